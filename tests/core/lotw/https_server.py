#!/usr/bin/env python3
"""HTTPS on 127.0.0.1 for the download tests: https_server.py DIR.

Makes DIR/ca.pem (signing the server's certificate) and DIR/other_ca.pem (signing
nothing), writes the port to DIR/port, then answers /NAME/... with the file
DIR/NAME, /error/... with 500 and /stall/... with headers only; queries go to
DIR/queries.log.
"""
import http.server, os, ssl, subprocess, sys, time

folder = sys.argv[1]
path = lambda name: os.path.join(folder, name)
openssl = lambda *args: subprocess.run(["openssl", *args], cwd=folder, check=True, capture_output=True)
key = ["-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-days", "2"]
for ca in ("ca", "other_ca"):
    openssl("req", "-x509", *key, "-keyout", ca + ".key", "-out", ca + ".pem", "-subj", "/CN=" + ca)
openssl("req", *key, "-keyout", "server.key", "-out", "server.csr", "-subj", "/CN=127.0.0.1")
with open(path("san.ext"), "w") as ext:
    ext.write("subjectAltName=IP:127.0.0.1,DNS:localhost\n")
openssl("x509", "-req", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key", "-CAcreateserial",
        "-out", "server.pem", "-days", "2", "-extfile", "san.ext")


class Handler(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        route, _, query = self.path.partition("?")
        with open(path("queries.log"), "a") as log:
            log.write(query + "\n")
        name = route.strip("/").split("/")[0]
        if name == "error":
            return self.send_error(500)
        body = b"" if name == "stall" else open(path(name), "rb").read()
        self.send_response(200)
        self.send_header("Content-Length", str(len(body) or 100000))
        self.end_headers()
        self.wfile.write(body)
        self.wfile.flush()
        if name == "stall":
            time.sleep(10)

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
context.load_cert_chain(path("server.pem"), path("server.key"))
server.socket = context.wrap_socket(server.socket, server_side=True)
with open(path("port.tmp"), "w") as f:
    f.write(str(server.server_address[1]))
os.rename(path("port.tmp"), path("port"))
server.serve_forever()
