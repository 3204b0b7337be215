#!/usr/bin/python3
"""The link checker page in headless Chromium, driven as a user drives it.

    page_test.py SITE_FOLDER

Serves the folder on a local port, then: checks a link typed and sent with
the keyboard, composes with a bad port and with a good one, checks a hostile
link, and checks with a custom table. Any severe console message fails it.
"""
import functools
import http.server
import sys
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

URI = "quorvane-qarel://"
failures = []
checks = 0


def check(name, holds):
    global checks
    checks += 1 if holds else 0
    print(("ok    " if holds else "FAIL  ") + name)
    if not holds:
        failures.append(name)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def main(site):
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(QuietHandler, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    origin = f"http://127.0.0.1:{server.server_port}/"
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage"):
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        run(driver, origin)
    finally:
        driver.quit()
        server.shutdown()
    print(f"{checks} passed, {len(failures)} failed")
    return 1 if failures else 0


def text(driver, element_id):
    return driver.find_element(By.ID, element_id).get_property("textContent")


def submit_check(driver, args, table=""):
    driver.execute_script("document.getElementById('check-outcome').textContent = ''")
    field = driver.find_element(By.ID, "check-input")
    field.clear()
    field.send_keys(args)
    driver.execute_script(
        "document.getElementById('table-input').value = arguments[0]", table)
    driver.find_element(By.ID, "check-button").click()
    WebDriverWait(driver, 20).until(lambda d: text(d, "check-outcome") != "")


def run(driver, origin):
    driver.get(origin)
    load = driver.execute_script(
        "const t = performance.getEntriesByType('navigation')[0];"
        "return t.loadEventEnd - t.startTime;")
    print(f"page loaded in {load:.0f} ms")
    check("every control has a label", driver.execute_script(
        "return [...document.querySelectorAll('input, textarea, select')]"
        ".every((c) => c.labels.length > 0);"))

    # Typed, then sent with the keyboard: Tab past the table's summary.
    field = driver.find_element(By.ID, "check-input")
    field.send_keys(URI + "192.0.2.10:900?sni=desk%20pool&bogus")
    field.send_keys(Keys.TAB, Keys.TAB, Keys.ENTER)
    WebDriverWait(driver, 20).until(lambda d: text(d, "check-outcome") != "")
    check("a link checked from the keyboard reads its table",
          "   -a                        address      192.0.2.10 Host to connect to\n"
          in text(driver, "check-table"))
    check("each part says what it did",
          "  \"bogus\": refused, URI_opt:'bogus': unknown key\n"
          in text(driver, "check-explanation"))
    check("the outcome is said in words",
          text(driver, "check-outcome") == "Some arguments are refused: the client ignores them.")

    driver.find_element(By.ID, "compose-host").send_keys("h")
    driver.find_element(By.ID, "compose-port").send_keys("0")
    driver.find_element(By.ID, "compose-button").click()
    WebDriverWait(driver, 20).until(lambda d: text(d, "compose-errors") != "")
    check("a bad port gets compose's message", text(driver, "compose-errors") ==
          "qarel-launch: compose: port: \"0\" is not a port: 1 to 65535\n")
    driver.find_element(By.ID, "compose-port").clear()
    driver.find_element(By.ID, "compose-port").send_keys("900")
    driver.find_element(By.ID, "compose-sni").send_keys("a b/\u00e9")
    driver.find_element(By.ID, "compose-button").click()
    WebDriverWait(driver, 20).until(lambda d: text(d, "compose-readback") != "")
    check("the composed link is the composer's, lower-case hex",
          text(driver, "compose-link") ==
          "\"quorvane-qarel://h:900?full-screen&sni=a%20b%2f%c3%a9\"")
    check("the composed link reads back",
          "  \"sni=a%20b%2f%c3%a9\": sets sni = \"a b/\u00e9\"\n"
          in text(driver, "compose-readback"))

    title = driver.title
    submit_check(driver, URI + "h?sni=%3cimg%20src%3dx%20onerror%3d%22document.title%3d1%22%3e"
                 "&locale=%3c%2fscript%3e%1b%5b8m")
    check("a hostile value is shown as text", "<img src=x onerror=\"document.title=1\">"
          in text(driver, "check-table"))
    check("its control bytes in the tool's escape form",
          "</script>\\x1b[8m" in text(driver, "check-table"))
    check("nothing it holds ran", driver.title == title
          and not driver.find_elements(By.CSS_SELECTOR, "main img"))
    files = driver.execute_script(
        "return performance.getEntriesByType('resource').map((e) => e.name);")
    check("the page requested only its own files",
          set(files) <= {origin + f for f in ("qarel-launch.js", "page.js", "page.css")})

    submit_check(driver, URI + "h?ticket=hush-t1",
                 "|address|valued||uri|Host\n|ticket|valued||uri,masked|Ticket\n")
    check("a custom table is read, its masked value masked",
          "  \"ticket=********\": sets ticket = ********\n" in text(driver, "check-explanation")
          and "hush-t1" not in driver.find_element(By.TAG_NAME, "body").text)
    submit_check(driver, "x", "|9x|valued||-|d\n")
    check("a custom table's mistakes are said line by line", text(driver, "check-notes") ==
          "qarel-launch: /table.txt:1: the long key \"9x\" is malformed: a letter, then "
          "letters, digits, \"_\" or \"-\"\n")

    severe = [e["message"] for e in driver.get_log("browser") if e["level"] == "SEVERE"]
    check("no severe console message" + (": " + "; ".join(severe) if severe else ""),
          not severe)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
