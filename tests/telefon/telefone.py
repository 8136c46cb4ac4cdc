#!/usr/bin/python3
"""Two phones in headless Chromium on the game's page: each joins its group,
one claims, the other is told it was late, a reload keeps the group.

    telefone.py <page address> <group name A> <group name B> [screenshot folder]

Prints one "ok"/"FAIL" line per check and exits 1 if any failed. The page
address must be on loopback (the caller's network namespace has nothing else).
"""
import sys
import time
from urllib.parse import urlparse

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support import expected_conditions as EC
from selenium.webdriver.support.ui import WebDriverWait

adresse, name_a, name_b = sys.argv[1:4]
bilder = sys.argv[4] if len(sys.argv) > 4 else ""
if urlparse(adresse).hostname not in ("127.0.0.1", "::1", "localhost"):
    print(f"FAIL the page is not on loopback: {adresse}")
    sys.exit(1)

fehler = 0


def pruefe(was, erwartet, gefunden):
    global fehler
    if erwartet == gefunden:
        print(f"ok   {was}: {gefunden}")
    else:
        print(f"FAIL {was}: expected {erwartet!r}, found {gefunden!r}")
        fehler = 1


def telefon():
    o = webdriver.ChromeOptions()
    for a in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
              "--window-size=400,760", "--no-first-run", "--disable-background-networking",
              "--disable-component-update", "--disable-sync", "--disable-features=MediaRouter"):
        o.add_argument(a)
    o.binary_location = "/usr/bin/chromium"
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=o)


def text(d, id_, wert, sekunden=5):
    """Waits until the element shows the text; returns what it shows."""
    try:
        WebDriverWait(d, sekunden).until(EC.text_to_be_present_in_element((By.ID, id_), wert))
    except Exception:
        pass
    return d.find_element(By.ID, id_).text


def tritt(d, name):
    d.get(adresse)
    WebDriverWait(d, 10).until(EC.element_to_be_clickable((By.XPATH, f"//div[@id='gruppen']/button[.='{name}']")))
    if bilder:
        d.save_screenshot(f"{bilder}/telefon-wahl.png")
    d.find_element(By.XPATH, f"//div[@id='gruppen']/button[.='{name}']").click()
    WebDriverWait(d, 5).until(EC.visibility_of_element_located((By.ID, "melden")))


a = b = None
try:
    a, b = telefon(), telefon()
    tritt(a, name_a)
    tritt(b, name_b)
    pruefe("phone A's group", name_a, text(a, "name", name_a))
    pruefe("phone A: a press claims", "Drücken meldet eure Gruppe", text(a, "hinweis", "Drücken"))
    pruefe("phone A: the button", "Melden", a.find_element(By.ID, "melden").text)
    if bilder:
        a.save_screenshot(f"{bilder}/telefon-vorher.png")
    a.find_element(By.ID, "melden").click()
    pruefe("phone A: claim taken", "Angenommen!", text(a, "meldung", "Angenommen"))
    pruefe("phone A: it answers", "Ihr seid dran – antwortet!", text(a, "hinweis", "Ihr seid"))
    b.find_element(By.ID, "melden").click()
    pruefe("phone B: too late", "zu spät", text(b, "meldung", "zu spät"))
    pruefe("phone B: another group answers", "Eine andere Gruppe ist dran", text(b, "hinweis", "andere"))
    if bilder:
        a.save_screenshot(f"{bilder}/telefon-angenommen.png")
        b.save_screenshot(f"{bilder}/telefon-zu-spaet.png")
    # A reload brings the phone back to its group without asking.
    b.refresh()
    WebDriverWait(b, 10).until(EC.visibility_of_element_located((By.ID, "melden")))
    pruefe("phone B after a reload", name_b, text(b, "name", name_b))
finally:
    for d in (a, b):
        if d:
            d.quit()
sys.exit(fehler)
