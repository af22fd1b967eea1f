# A stand-in DNS-over-HTTPS resolver, started by doh-stand-in.sh: /dns-query
# answers, /hang never does, any other path fails. Usage: doh-stand-in.py FOLDER
import os, ssl, struct, sys, threading, time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

SITES = {b"quorvik-proxied.test": (b"\x0cquorvik-real\x04test\0", bytes([220, 181, 38, 148]))}


def answer(query):
    at, labels = 12, []
    while query[at]:
        labels.append(query[at + 1:at + 1 + query[at]])
        at += 1 + query[at]
    site, question = SITES.get(b".".join(labels).lower()), query[12:at + 5]
    records = [b"\xc0\x0c" + struct.pack(">HHIH", 5, 1, 60, len(site[0])) + site[0]] if site else []
    if site and question[-3] == 1:  # an A question
        records.append(site[0] + struct.pack(">HHIH", 1, 1, 60, 4) + site[1])
    flags = 0x8180 if site else 0x8183
    return struct.pack(">HHHHHH", 0, flags, 1, len(records), 0, 0) + question + b"".join(records)


class Resolver(BaseHTTPRequestHandler):
    def do_POST(self):
        query = self.rfile.read(int(self.headers["Content-Length"]))
        if self.path == "/hang":
            return time.sleep(10)
        body = answer(query) if self.path == "/dns-query" else b""
        self.send_response(200 if body else 500)
        self.send_header("Content-Type", "application/dns-message")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


def serve(certificate):
    httpd = ThreadingHTTPServer(("127.0.0.1", 0), Resolver)
    context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
    context.load_cert_chain(f"{folder}/{certificate}.pem", f"{folder}/{certificate}.key")
    httpd.socket = context.wrap_socket(httpd.socket, server_side=True)
    threading.Thread(target=httpd.serve_forever, daemon=True).start()
    return str(httpd.server_address[1])


folder = sys.argv[1]
with open(f"{folder}/ports.new", "w") as out:
    out.write(serve("loopback") + " " + serve("other-address"))
os.replace(f"{folder}/ports.new", f"{folder}/ports.txt")
threading.Event().wait()
