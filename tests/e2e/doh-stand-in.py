# A stand-in DNS-over-HTTPS resolver on the loopback address, for the proxy
# tests: one port with a certificate for 127.0.0.1, one with a certificate
# for another address. /dns-query answers, /hang never does, /error fails.
# Usage: doh-stand-in.py FOLDER (holding the certificates; the ports go to
# FOLDER/ports.txt).
import ssl, struct, sys, threading, time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

# name -> (canonical name, IPv4 address)
SITES = {b"quorvik-proxied.test": (b"quorvik-real.test", bytes([220, 181, 38, 148]))}


def wire_name(name):
    return b"".join(bytes([len(label)]) + label for label in name.split(b".")) + b"\0"


def answer(query):
    end = query.index(b"\0", 12) + 5
    labels, at = [], 12
    while query[at]:
        labels.append(query[at + 1:at + 1 + query[at]])
        at += 1 + query[at]
    qtype = struct.unpack(">H", query[end - 4:end - 2])[0]
    site = SITES.get(b".".join(labels).lower())
    records = []
    if site:
        records.append(b"\xc0\x0c" + struct.pack(">HHIH", 5, 1, 60, len(wire_name(site[0]))) + wire_name(site[0]))
        if qtype == 1:
            records.append(wire_name(site[0]) + struct.pack(">HHIH", 1, 1, 60, 4) + site[1])
    flags = 0x8180 if site else 0x8183
    return struct.pack(">HHHHHH", 0, flags, 1, len(records), 0, 0) + query[12:end] + b"".join(records)


class Resolver(BaseHTTPRequestHandler):
    def do_POST(self):
        query = self.rfile.read(int(self.headers.get("Content-Length", 0)))
        if self.path == "/hang":
            time.sleep(10)
            return
        status, body = (200, answer(query)) if self.path == "/dns-query" else (500, b"")
        self.send_response(status)
        self.send_header("Content-Type", "application/dns-message")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def log_message(self, *args):
        pass


def server(folder, certificate):
    httpd = ThreadingHTTPServer(("127.0.0.1", 0), Resolver)
    httpd.daemon_threads = True
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(f"{folder}/{certificate}.pem", f"{folder}/{certificate}.key")
    httpd.socket = context.wrap_socket(httpd.socket, server_side=True)
    threading.Thread(target=httpd.serve_forever, daemon=True).start()
    return httpd.server_address[1]


folder = sys.argv[1]
ports = [server(folder, "loopback"), server(folder, "other-address")]
with open(f"{folder}/ports.txt.new", "w") as out:
    out.write(" ".join(map(str, ports)))
__import__("os").replace(f"{folder}/ports.txt.new", f"{folder}/ports.txt")
threading.Event().wait()
