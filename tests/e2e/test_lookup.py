"""The fetch button loads the avatar and both show figures through the system's proxy."""

import http.server
import os
import subprocess
import tempfile
import threading

import layout
from geometry import Rect
from harness import ChatmockTestCase

RED = (220, 30, 30)
GREEN = (30, 160, 60)
BLUE = (40, 60, 200)
# JPEG and scaling shift colours a little.
NEAR = 40

SHOW_SIZE = (100, 150)  # the peer's show figure, a GIF
OWN_SIZE = (120, 100)   # the own show figure, a BMP


def make_picture(directory, name, size, colour, kind):
    path = os.path.join(directory, name)
    fill = "rgb(%d,%d,%d)" % colour
    subprocess.run(["/usr/bin/convert", "-size", "%dx%d" % size, "xc:" + fill, kind + ":" + path],
                   check=True)
    with open(path, "rb") as f:
        return f.read()


class PictureProxy:
    """A loopback HTTP proxy that answers each picture server's path with a picture."""

    def __init__(self, answers):
        handler = self._handler(answers)
        self.requests = []
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        self.server.requests = self.requests
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    @property
    def url(self):
        return "http://127.0.0.1:%d" % self.server.server_address[1]

    def stop(self):
        if self.server is None:
            return
        self.server.shutdown()
        self.server.server_close()
        self.server = None

    @staticmethod
    def _handler(answers):
        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                self.server.requests.append(self.path)
                body = next((b for prefix, b in answers if self.path.startswith(prefix)), None)
                if body is None:
                    self.send_error(404)
                    return
                self.send_response(200)
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        return Handler


class LookupCases(ChatmockTestCase):
    def test_three_pictures_arrive_and_a_dead_network_clears_them(self):
        with tempfile.TemporaryDirectory() as pictures:
            avatar = make_picture(pictures, "a.jpg", (40, 40), RED, "jpg")
            show = make_picture(pictures, "s.gif", SHOW_SIZE, GREEN, "gif")
            own = make_picture(pictures, "o.bmp", OWN_SIZE, BLUE, "bmp3")
        # Through a proxy the request line carries the whole address.
        answers = [
            ("http://qlogo.store.qq.com/qzone/10001/10001/50", avatar),
            ("http://qqshow-user.tencent.com/10001/10/00", show),
            ("http://qqshow-user.tencent.com/20002/10/00", own),
        ]
        proxy = PictureProxy(answers)
        self.addCleanup(proxy.stop)
        w = self.start_program(extra_env={"http_proxy": proxy.url})
        w.click(*layout.PEER_NUMBER.centre)
        w.type_text("10001")
        w.click(*layout.OWN_NUMBER.centre)
        w.type_text("20002")
        w.click(*layout.FETCH_BUTTON.centre)

        avatar_box = layout.AVATAR
        show_box = layout.SHOW_FIGURE
        own_box = layout.PROMOTION
        show_picture = Rect(show_box.x, show_box.y, *SHOW_SIZE)
        own_picture = Rect(own_box.x, own_box.y, *OWN_SIZE)
        shot = w.wait_for_screen(
            lambda s: s.all_close(avatar_box, RED, NEAR) and s.all_close(show_picture, GREEN, NEAR)
            and s.all_close(own_picture, BLUE, NEAR),
            "the avatar stretched over its box, the figures at their top-left corners")
        # At natural size the figures leave the background right of and below them.
        self.assertTrue(shot.all_close(Rect(show_picture.right, show_box.y, 10, 50), layout.BUTTON_FACE, 4))
        self.assertTrue(shot.all_close(Rect(own_box.x, own_picture.bottom, 50, 10), layout.BUTTON_FACE, 4))
        self.assertEqual(proxy.requests, [prefix for prefix, _ in answers])

        proxy.stop()
        w.click(*layout.FETCH_BUTTON.centre)
        w.wait_for_screen(
            lambda s: all(s.all_close(box, layout.BUTTON_FACE, 4) for box in (avatar_box, show_box, own_box)),
            "the three boxes cleared to the background", timeout=30)
