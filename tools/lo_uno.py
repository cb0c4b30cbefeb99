"""Starting LibreOffice Calc headless and opening an empty sheet through UNO, for the tools that
compare the formula engine with Calc."""
import os
import subprocess
import tempfile
import time

import uno
from com.sun.star.beans import PropertyValue


def start_office():
    """Starts soffice on a private profile and pipe; returns (process, desktop)."""
    pipe = "helvon_lo_%d" % os.getpid()
    profile = tempfile.mkdtemp(prefix="helvon-lo-")
    proc = subprocess.Popen(
        ["soffice", "--headless", "--invisible", "--norestore", "--nologo", "--nodefault",
         "-env:UserInstallation=file://" + profile,
         "--accept=pipe,name=%s;urp;StarOffice.ComponentContext" % pipe],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
    deadline = time.time() + 60
    while True:
        try:
            ctx = resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
            break
        except Exception:
            if time.time() > deadline or proc.poll() is not None:
                proc.kill()
                raise SystemExit("LibreOffice did not start")
            time.sleep(0.2)
    desktop = ctx.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", ctx)
    return proc, desktop


def hidden_args():
    """The load arguments that keep a document's window hidden."""
    hidden = PropertyValue()
    hidden.Name = "Hidden"
    hidden.Value = True
    return (hidden,)


def new_sheet(desktop):
    """A hidden new spreadsheet document and its first sheet."""
    doc = desktop.loadComponentFromURL("private:factory/scalc", "_blank", 0, hidden_args())
    return doc, doc.Sheets.getByIndex(0)


def stop_office(proc, desktop):
    try:
        desktop.terminate()
    except Exception:
        pass
    try:
        proc.wait(timeout=20)
    except subprocess.TimeoutExpired:
        proc.kill()
