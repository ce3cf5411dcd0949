#include "tests/reliability/hostile_replies.h"

#include <algorithm>
#include <utility>

namespace chatmock::reliability {
namespace {

// Long enough for any fetch to give up first: the silent server is ended by the client.
constexpr milliseconds kSilence{60'000};
constexpr std::size_t kStreamPiece = 64 * 1024;
constexpr char kStreamFill = 'Z';
// Long enough for the sent bytes to reach the client before the reset overtakes them.
constexpr milliseconds kBeforeReset{20};

std::string ContentLength(long long bytes) { return "Content-Length: " + std::to_string(bytes); }

}  // namespace

std::string ReplyHead(std::string_view status, const std::vector<std::string>& headers) {
  std::string head = "HTTP/1.0 " + std::string(status) + "\r\n";
  for (const std::string& header : headers) head += header + "\r\n";
  return head + "\r\n";
}

Behaviour Serve(std::string status, std::string body) {
  return [status = std::move(status), body = std::move(body)](Peer& peer, int) {
    peer.Send(ReplyHead(status, {ContentLength(static_cast<long long>(body.size()))}) + body);
  };
}

Behaviour NotFound() { return Serve("404 Not Found", "<html><body>404</body></html>"); }

Behaviour AnnouncedBody(long long announced, std::string body) {
  return [announced, body = std::move(body)](Peer& peer, int) {
    peer.Send(ReplyHead("200 OK", {ContentLength(announced)}) + body);
  };
}

Behaviour EndlessBody(std::size_t chunkBytes, milliseconds pause) {
  return [chunkBytes, pause](Peer& peer, int) {
    const std::string chunk(chunkBytes, kStreamFill);
    if (!peer.Send(ReplyHead("200 OK"))) return;
    while (peer.Send(chunk) && peer.Wait(pause)) {
    }
  };
}

Behaviour StreamedBody(std::size_t totalBytes, bool announced) {
  return [totalBytes, announced](Peer& peer, int) {
    std::vector<std::string> headers;
    if (announced) headers.push_back(ContentLength(static_cast<long long>(totalBytes)));
    if (!peer.Send(ReplyHead("200 OK", headers))) return;
    const std::string piece(kStreamPiece, kStreamFill);
    for (std::size_t left = totalBytes; left > 0;) {
      const std::size_t now = std::min(left, piece.size());
      if (!peer.Send(std::string_view(piece).substr(0, now))) return;
      left -= now;
    }
  };
}

Behaviour Trickle(std::string reply, milliseconds perByte, bool headFirst) {
  return [reply = std::move(reply), perByte, headFirst](Peer& peer, int) {
    std::string_view rest = reply;
    if (headFirst) {
      const std::size_t headEnd = rest.find("\r\n\r\n");
      const std::size_t headBytes = headEnd == std::string_view::npos ? 0 : headEnd + 4;
      if (!peer.Send(rest.substr(0, headBytes))) return;
      rest.remove_prefix(headBytes);
    }
    for (const char byte : rest) {
      if (!peer.Wait(perByte) || !peer.Send(std::string_view(&byte, 1))) return;
    }
  };
}

Behaviour Redirect(std::string location) {
  return [location = std::move(location)](Peer& peer, int) {
    peer.Send(ReplyHead("302 Found", {"Location: " + location, ContentLength(0)}));
  };
}

Behaviour ResetMidBody(std::string body, std::size_t sentBytes) {
  return [body = std::move(body), sentBytes](Peer& peer, int) {
    const std::string head = ReplyHead("200 OK", {ContentLength(static_cast<long long>(body.size()))});
    if (peer.Send(head + body.substr(0, std::min(sentBytes, body.size())))) {
      peer.Wait(kBeforeReset);
    }
    peer.ResetOnClose();
  };
}

Behaviour RawBytes(std::string bytes) {
  return [bytes = std::move(bytes)](Peer& peer, int) { peer.Send(bytes); };
}

Behaviour Silent() {
  return [](Peer& peer, int) { peer.Wait(kSilence); };
}

Behaviour FirstThen(Behaviour first, Behaviour rest) {
  return [first = std::move(first), rest = std::move(rest)](Peer& peer, int index) {
    (index == 0 ? first : rest)(peer, index);
  };
}

}  // namespace chatmock::reliability
