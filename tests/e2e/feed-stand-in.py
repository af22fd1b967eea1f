# A stand-in database feed on the loopback address, started by
# feed-stand-in.sh. The first part of a path chooses how it answers:
#   /good/FILE    the feed's file; manifest.json answers 304 to its ETag
#   /badsig/FILE  the same, but manifest.sig is signed with another key
#   /hang/FILE    reads the request and never answers
#   /gated/FILE   a database holds back its last bytes until FOLDER/gate exists
# Every request is logged to FOLDER/requests.log: path, status, and "if" when
# it carried If-None-Match. Usage: feed-stand-in.py FOLDER
import hashlib, os, ssl, sys, threading, time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

folder = sys.argv[1]
log_lock = threading.Lock()


def read(name):
    with open(f"{folder}/feed/{name}", "rb") as f:
        return f.read()


class Feed(BaseHTTPRequestHandler):
    def do_GET(self):
        _, fault, name = self.path.split("/", 2)
        if fault == "hang":
            return time.sleep(120)
        body = read("other.sig" if fault == "badsig" and name == "manifest.sig" else name)
        etag = '"%s"' % hashlib.sha256(body).hexdigest()[:16]
        status = 304 if self.headers.get("If-None-Match") == etag else 200
        with log_lock, open(f"{folder}/requests.log", "a") as log:
            log.write(f"{self.path} {status}{' if' if 'If-None-Match' in self.headers else ''}\n")
        self.send_response(status)
        self.send_header("ETag", etag)
        self.send_header("Last-Modified", "Tue, 01 Dec 2026 00:00:00 GMT")
        self.send_header("Content-Length", str(len(body) if status == 200 else 0))
        self.end_headers()
        if status == 304:
            return
        held = 65536 if fault == "gated" and name.endswith(".gz") else 0
        self.wfile.write(body[:len(body) - held])
        self.wfile.flush()
        while held and not os.path.exists(f"{folder}/gate"):
            time.sleep(0.05)
        self.wfile.write(body[len(body) - held:])

    def log_message(self, *args):
        pass


httpd = ThreadingHTTPServer(("127.0.0.1", 0), Feed)
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(f"{folder}/loopback.pem", f"{folder}/loopback.key")
httpd.socket = context.wrap_socket(httpd.socket, server_side=True)
with open(f"{folder}/port.new", "w") as out:
    out.write(str(httpd.server_address[1]))
os.replace(f"{folder}/port.new", f"{folder}/port.txt")
httpd.serve_forever()
