# Sourced by real-window tests that need web views showing pages: a local HTTP server on loopback
# answers every address with a small page (an input box that takes the focus), the browser
# engine reaches every host through it as its proxy, and the programs run as an ordinary user
# when the test runs as root (as root the engine's sandbox cannot start, so no view is made).
pages_port_file=$(mktemp)
python3 - "$pages_port_file" >/dev/null 2>&1 <<'PY' &
import http.server, sys
class Page(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        body = b'<html><body style="margin:0;background:#ffd"><input autofocus value="page"></body></html>'
        self.send_response(200)
        self.send_header("Content-Type", "text/html")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
    def log_message(self, *args):
        pass
server = http.server.HTTPServer(("127.0.0.1", 0), Page)
open(sys.argv[1], "w").write(str(server.server_port))
server.serve_forever()
PY
pages_server=$!
for _ in $(seq 50); do [ -s "$pages_port_file" ] && break; sleep 0.1; done
export QTWEBENGINE_CHROMIUM_FLAGS="--proxy-server=http://127.0.0.1:$(cat "$pages_port_file") --log-level=3"
user_home=$(mktemp -d)
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody:nogroup "$user_home"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$user_home"
           XDG_RUNTIME_DIR="$user_home")
fi
chmod 0700 "$user_home"
# The user may not reach the build folder: the programs run from copies in a folder of their own.
user_programs=$(mktemp -d)
chmod 0755 "$user_programs"
copy_for_user() {  # <file>...: copies into $user_programs, readable and runnable by anyone
  cp "$@" "$user_programs/"
  chmod -R a+rX "$user_programs"
}
stop_web_pages() {
  kill "$pages_server" 2>/dev/null || true
  rm -rf "$pages_port_file" "$user_home" "$user_programs"
}
