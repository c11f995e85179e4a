#!/usr/bin/env python3
"""Opens pages of a web catalogue in headless Chromium and reports, as JSON,
what a person would see: console errors, pictures shown, and how many items
stay visible after typing a filter. Drives the browser over the DevTools
protocol on a pipe (--remote-debugging-pipe): no network port, no download.

Usage: browser_check.py CHROMIUM FILTER PAGE.html...
Prints [{"page", "errors": [...], "images", "shown", "items", "visible", "filtered"}]."""
import fcntl
import json
import os
import select
import shutil
import subprocess
import sys
import tempfile
import time

DEADLINE = time.monotonic() + 90


class Browser:
    def __init__(self, chromium):
        self.profile = tempfile.mkdtemp(prefix="tavoro-chromium-")
        to_browser_r, self.to_browser = os.pipe()
        self.from_browser, from_browser_w = os.pipe()

        def give_pipes():  # the browser reads fd 3 and writes fd 4
            high_r = fcntl.fcntl(to_browser_r, fcntl.F_DUPFD, 10)
            high_w = fcntl.fcntl(from_browser_w, fcntl.F_DUPFD, 10)
            os.dup2(high_r, 3)
            os.dup2(high_w, 4)

        self.process = subprocess.Popen(
            [chromium, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--user-data-dir=" + self.profile, "--remote-debugging-pipe", "about:blank"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=give_pipes, pass_fds=(3, 4))
        os.close(to_browser_r)
        os.close(from_browser_w)
        self.buffer = b""
        self.next_id = 0
        self.events = []

    def close(self):
        try:
            self.send("Browser.close")
        except Exception:
            pass
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)

    def read_message(self):
        while b"\0" not in self.buffer:
            left = DEADLINE - time.monotonic()
            if left <= 0 or not select.select([self.from_browser], [], [], left)[0]:
                raise TimeoutError("the browser did not answer in time")
            chunk = os.read(self.from_browser, 65536)
            if not chunk:
                raise EOFError("the browser closed its pipe")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def send(self, method, params=None, session=None):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = session
        os.write(self.to_browser, json.dumps(message).encode() + b"\0")
        while True:
            answer = self.read_message()
            if answer.get("id") == self.next_id:
                if "error" in answer:
                    raise RuntimeError(method + ": " + json.dumps(answer["error"]))
                return answer.get("result", {})
            self.events.append(answer)

    def wait_for(self, method, session):
        while True:
            for i, event in enumerate(self.events):
                if event.get("method") == method and event.get("sessionId") == session:
                    return self.events.pop(i)
            self.events.append(self.read_message())

    def evaluate(self, expression, session):
        result = self.send("Runtime.evaluate", {"expression": expression, "returnByValue": True,
                                                "awaitPromise": True}, session)
        if "exceptionDetails" in result:
            raise RuntimeError("page script failed: " + json.dumps(result["exceptionDetails"]))
        return result["result"].get("value")


def errors_of(events, session):
    errors = []
    for event in events:
        if event.get("sessionId") != session:
            continue
        method, params = event.get("method"), event.get("params", {})
        if method == "Runtime.exceptionThrown":
            errors.append(params["exceptionDetails"].get("text", "exception"))
        elif method == "Runtime.consoleAPICalled" and params.get("type") in ("error", "assert"):
            errors.append(" ".join(str(a.get("value", a.get("description", ""))) for a in params.get("args", [])))
        elif method == "Log.entryAdded" and params["entry"].get("level") == "error":
            errors.append(params["entry"].get("text", "") + " " + params["entry"].get("url", ""))
    return errors


COUNT = """(() => {
  const images = Array.from(document.images);
  const items = Array.from(document.querySelectorAll('.item'));
  const visible = items.filter(i => i.offsetParent !== null).length;
  return {images: images.length, shown: images.filter(i => i.complete && i.naturalWidth > 0).length,
          items: items.length, visible: visible};
})()"""

TYPE = """(async () => {
  const input = document.getElementById('filter');
  input.focus();
  input.value = %s;
  input.dispatchEvent(new Event('input', {bubbles: true}));
  await new Promise(r => requestAnimationFrame(() => r()));
  return Array.from(document.querySelectorAll('.item')).filter(i => i.offsetParent !== null).length;
})()"""


def main():
    chromium, query, pages = sys.argv[1], sys.argv[2], sys.argv[3:]
    browser = Browser(chromium)
    report = []
    try:
        for page in pages:
            target = browser.send("Target.createTarget", {"url": "about:blank"})["targetId"]
            session = browser.send("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
            for domain in ("Page", "Runtime", "Log"):
                browser.send(domain + ".enable", {}, session)
            browser.send("Page.navigate", {"url": "file://" + os.path.abspath(page)}, session)
            browser.wait_for("Page.loadEventFired", session)
            counts = browser.evaluate(COUNT, session)
            counts["filtered"] = browser.evaluate(TYPE % json.dumps(query), session)
            counts["page"] = os.path.basename(page)
            counts["errors"] = errors_of(browser.events, session)
            report.append(counts)
            browser.send("Target.closeTarget", {"targetId": target})
    finally:
        browser.close()
    print(json.dumps(report))


if __name__ == "__main__":
    main()
