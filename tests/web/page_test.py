#!/usr/bin/python3
"""The link checker page (page_test.py SITE_FOLDER), served on a local port
and driven in headless Chromium as a user would drive it: from the keyboard,
with hostile and oversized input, a custom table, and at phone width."""
import functools, http.server, sys, threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

URI = "quorvane-qarel://"
MIB = 1024 * 1024
failures = []


def check(name, holds):
    print(("ok    " if holds else "FAIL  ") + name)
    failures.extend([] if holds else [name])


def limit(*args):  # the sentence that refuses these arguments
    return (f"This checker takes at most 4 MiB (4,194,304 bytes) of input, and this holds "
            f"{len(chr(0).join(args).encode()):,}; no client is handed that much (Linux "
            "passes at most 128 KiB in one argument).")


http.server.SimpleHTTPRequestHandler.log_message = lambda *args: None  # quiet


def main(site):
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(http.server.SimpleHTTPRequestHandler, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    [options.add_argument(f) for f in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage")]
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    global driver
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        run(f"http://127.0.0.1:{server.server_port}/")
    finally:
        driver.quit()
        server.shutdown()
    print(f"{len(failures)} failed")
    return 1 if failures else 0


def text(element_id):
    return driver.find_element(By.ID, element_id).get_property("textContent")


def submit(form, values):
    """Fills fields by id, submits `form` and waits for its answer."""
    for field, value in values.items():
        driver.execute_script("document.getElementById(arguments[0]).value = arguments[1];",
                              field, value)
    driver.find_element(By.ID, form + "-button").click()
    wait_for_answer(form)


def wait_for_answer(form):
    busy = ("", "Checking…", "Composing…")
    WebDriverWait(driver, 60).until(lambda d: text(form + "-outcome") not in busy)


REFUSED = "Some arguments are refused: the client ignores them."
BIG, MANY, PARSE = URI + "h?sni=" + "x" * 6 * MIB, [URI + "h?sni=" + "x" * MIB] * 6, (
    "parse", "--explain", "--")
NOTHING = {"check-explanation": "", "check-table": "", "check-notes": ""}
TABLE = "|address|valued||uri|Host\n|ticket|valued||uri,masked|Ticket\n"
# Each after a good check and a good compose: the form, what is typed, and
# the areas' texts, exact or, in a tuple, a fragment. Input the page refuses
# gets one sentence, and no earlier answer stays.
CASES = [("check", {"check-input": typed}, {"check-outcome": said, **NOTHING})
         for typed, said in [
             (BIG, limit(*PARSE, BIG)), ("\n".join(MANY), limit(*PARSE, *MANY)),
             (" \n", "There is nothing to check: paste a launch link, or launch arguments "
              "one per line."),
             ("h\nx\0y", "Line 2 holds a NUL byte, which no launch argument can hold; "
              "nothing was checked.")]] + [
    # Each line is one argument, unless all of it is compose's quoted form.
    ("check", {"check-input": '"' + URI + "h?sni=x"}, {"check-outcome": REFUSED,
     "check-notes": ("Line 1 opens a quote it does not close: it is read as one argument",)}),
    ("check", {"check-input": '"-l" debug "-f"'}, {"check-outcome": REFUSED,
     "check-explanation": ('"\\x22-l\\x22 debug \\x22-f\\x22": refused',)}),
    ("check", {"check-input": f'"{URI}safe.example" {URI}evil.example'},
     {"check-outcome": REFUSED, "check-explanation": ("evil.example",)}),
    ("check", {"check-input": f'"-l" "debug"\n"{URI}h"'},
     {"check-outcome": "Accepted: the client reads every argument.",
      "check-explanation": ("\"debug\": fills log-level (-l)",)}),
    ("check", {"check-input": URI + "h?ticket=hush-t1", "table-input": TABLE},
     {"check-outcome": "Accepted: the client reads every argument. Read with the client's "
      "own option table given above.", "check-explanation": ("sets ticket = ********\n",)}),
    ("compose", {"compose-port": "0"},
     {"compose-errors": "qarel-launch: compose: port: \"0\" is not a port: 1 to 65535\n",
      "compose-link": "", "compose-readback": ""}),
    ("compose", {"compose-port": "", "compose-sni": "z" * 6 * MIB},
     {"compose-outcome": limit("compose", "host=h", "sni=" + "z" * 6 * MIB),
      "compose-link": "", "compose-readback": ""}),
]


def run(origin):
    driver.get(origin)
    check("every control has a label", driver.execute_script("return [...document."
          "querySelectorAll('input, textarea, select')].every((c) => c.labels.length);"))
    check("the link field shows an example", driver.find_element(
        By.ID, "check-input").get_attribute("placeholder").startswith(URI))
    check("a noscript sentence says what the page needs", "needs JavaScript" in driver.page_source)

    # Typed, then sent with the keyboard: Tab past the table's summary.
    field = driver.find_element(By.ID, "check-input")
    field.send_keys(URI + "192.0.2.10:900?sni=desk%20pool&bogus", Keys.TAB, Keys.TAB, Keys.ENTER)
    wait_for_answer("check")
    check("a link checked from the keyboard is answered", text("check-outcome") == REFUSED)

    good = {"compose-host": "h", "compose-port": "900", "compose-sni": "a b/\u00e9"}
    for form, values, areas in CASES:
        submit("check", {"check-input": URI + "h", "table-input": ""})
        submit("compose", good)
        submit(form, values)
        name = f"{form} {repr(values)[:60]}"
        for area, want in areas.items():
            check(f"{name}: {area} is {str(want)[:50]}", text(area) == want
                  if isinstance(want, str) else want[0] in text(area))
        if form == "compose":
            check(f"{name}: nothing to copy",
                  not driver.find_element(By.ID, "copy-button").is_enabled())
    submit("compose", good)
    check("a good link is composed", text("compose-link") ==
          "\"quorvane-qarel://h:900?full-screen&sni=a%20b%2f%c3%a9\""
          and "sets sni = \"a b/\u00e9\"" in text("compose-readback"))

    title = driver.title
    submit("check", {"check-input": URI + "h?sni=%3cimg%20src%3dx%20onerror%3d"
                     "%22document.title%3d1%22%3e&locale=%3c%2fscript%3e%1b%5b8m"})
    check("a hostile value is shown as text, its control bytes escaped",
          "<img src=x onerror=\"document.title=1\">" in text("check-table")
          and "</script>\\x1b[8m" in text("check-table"))
    check("nothing it holds ran", driver.title == title
          and not driver.find_elements(By.CSS_SELECTOR, "main img"))
    files = driver.execute_script(
        "return performance.getEntriesByType('resource').map((e) => e.name);")
    check("the page requested only its own files",
          set(files) <= {origin + f for f in ("checker.js", "page.js", "page.css")})

    # A 2 MiB link is checked in the worker: the page says so, and its timers
    # keep ticking (the longest gap between 20 ms ticks is printed).
    driver.execute_script(
        "document.getElementById('check-input').value = arguments[0]; document.body.offsetHeight;"
        "window.gap = 0; let last = performance.now(); window.ticker = setInterval(() => {"
        "const now = performance.now(); gap = Math.max(gap, now - last); last = now; }, 20);"
        "document.getElementById('check-button').click();", URI + "h?sni=" + "y" * 2 * MIB)
    check("while it checks, the page says so and the button waits",
          text("check-outcome") == "Checking…"
          and not driver.find_element(By.ID, "check-button").is_enabled())
    wait_for_answer("check")
    gap = driver.execute_script("clearInterval(ticker); return gap;")
    print(f"checking a 2 MiB link: the longest gap between 20 ms ticks was {gap:.0f} ms")
    check("a line of megabytes is shown cut short",
          "more characters not shown)\n" in text("check-table"))

    # At phone width the options table scrolls sideways, its rows unwrapped.
    submit("check", {"check-input": URI + "192.0.2.10:900"})
    heights = []
    for width in (1280, 390):
        driver.set_window_size(width, 900)
        heights.append(driver.find_element(By.ID, "check-table").get_property("scrollHeight"))
    check("at 390 px the options table has as many lines as at 1280 px",
          heights[0] == heights[1])

    severe = [e["message"] for e in driver.get_log("browser") if e["level"] == "SEVERE"]
    check("no severe console message" + (": " + "; ".join(severe) if severe else ""),
          not severe)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
