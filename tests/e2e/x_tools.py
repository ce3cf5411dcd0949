"""Running the X command-line tools (xdotool, xprop, xwininfo, import, convert).

Every call has a time-out: a tool that hangs on a display that went away
must fail the case, not freeze the suite.
"""

import subprocess

TOOL_TIMEOUT = 15.0

# /usr/local/bin may hold wrappers of the same names; the suite wants the
# Debian programs themselves.
CONVERT = "/usr/bin/convert"
IMPORT = "/usr/bin/import"
XDOTOOL = "/usr/bin/xdotool"
XPROP = "/usr/bin/xprop"
XWININFO = "/usr/bin/xwininfo"
XDPYINFO = "/usr/bin/xdpyinfo"
XVFB = "/usr/bin/Xvfb"
OPENBOX = "/usr/bin/openbox"


class ToolError(RuntimeError):
    pass


def run_tool(args, env=None, check=True, timeout=TOOL_TIMEOUT, binary=False, stdin_bytes=None):
    """Runs args, fed stdin_bytes if given; returns its output (text unless binary)."""
    feed = {"input": stdin_bytes} if stdin_bytes is not None else {"stdin": subprocess.DEVNULL}
    try:
        done = subprocess.run(args, env=env, capture_output=True, timeout=timeout, check=False,
                              **feed)
    except subprocess.TimeoutExpired as error:
        raise ToolError(f"{args[0]} took longer than {timeout} s: {args}") from error
    if check and done.returncode != 0:
        raise ToolError(f"{args} exited {done.returncode}: {done.stderr.decode(errors='replace')}")
    return done.stdout if binary else done.stdout.decode(errors="replace")
