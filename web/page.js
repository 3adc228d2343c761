'use strict';
// The page's toolkit. The window's controls, captions and positions (design.js, written from
// it), the button actions, the calculation and both charts all come from the WebAssembly
// module (quelbor.js); this script only does for it what the window toolkit does on the
// desktop: make the controls of the design it hands over and name them for screen readers,
// show and hide them, move them, read and write the text boxes, resize the window, draw on the
// chart canvases, and show an error report as a modal dialog. What a press leaves is handed to the result's offers (offers.js),
// the section of its measurement uncertainty (uncertaintysection.js) and the comparison
// (comparisonsection.js).
(function () {
  const elements = new Map(); // control name -> element
  const charts = new Map(); // surface name -> { context scaled to CSS pixels, operations }
  const faults = []; // what failed in the toolkit during the running press
  const windowElement = document.getElementById('frm_Quelbor');
  const client = windowElement.querySelector('.client');
  const descriptions = document.getElementById('descriptions');

  function cssColour([red, green, blue]) {
    return `rgb(${red}, ${green}, ${blue})`;
  }

  function place(element, [left, top, width, height]) {
    Object.assign(element.style, {
      left: `${left}px`,
      top: `${top}px`,
      width: `${width}px`,
      height: `${height}px`,
    });
  }

  function styleText(element, control) {
    Object.assign(element.style, {
      fontSize: `${control.points}pt`,
      fontStyle: control.italic ? 'italic' : 'normal',
      textDecoration: control.underlined ? 'underline' : 'none',
      color: cssColour(control.colour),
      textAlign: control.align,
    });
  }

  // A canvas at the screen's device pixel ratio inside the one-pixel frame, drawn on in CSS
  // pixels and white at start. Each drawing operation is also kept, for the result as SVG.
  function createSurface(control) {
    const box = document.createElement('div');
    const canvas = document.createElement('canvas');
    const [, , width, height] = control.pixels;
    const ratio = window.devicePixelRatio || 1;
    canvas.style.width = `${width - 2}px`;
    canvas.style.height = `${height - 2}px`;
    canvas.width = Math.max(1, Math.round((width - 2) * ratio));
    canvas.height = Math.max(1, Math.round((height - 2) * ratio));
    const context = canvas.getContext('2d');
    context.setTransform(ratio, 0, 0, ratio, 0, 0);
    context.fillStyle = 'white';
    context.fillRect(0, 0, width, height);
    charts.set(control.name, { context, operations: [] });
    box.append(canvas);
    return box;
  }

  const makers = {
    label(control) {
      const label = document.createElement('div');
      label.textContent = control.text;
      return label;
    },
    textbox(control) {
      const box = document.createElement('input');
      box.type = 'text';
      box.value = control.text;
      box.spellcheck = false;
      box.autocomplete = 'off';
      return box;
    },
    button(control) {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = control.text;
      return button;
    },
    surface: createSurface,
    image(control) {
      const image = document.createElement('img');
      image.src = `${control.name}.svg`;
      image.alt = control.text;
      image.draggable = false;
      return image;
    },
    line() {
      return document.createElement('div');
    },
  };

  // What a screen reader says, as the window tells it: a text box or chart is named by its
  // caption label, an image by what it shows (its text), a button by its text; the
  // description follows. A chart is an image, with its description also as the canvas's
  // fallback text.
  function describe(element, control) {
    if (control.caption) element.setAttribute('aria-labelledby', control.caption);
    if (control.description) {
      const description = document.createElement('span');
      description.id = `${control.name}-description`;
      description.textContent = control.description;
      descriptions.append(description);
      element.setAttribute('aria-describedby', description.id);
    }
    if (control.kind === 'surface') {
      const canvas = element.querySelector('canvas');
      canvas.setAttribute('role', 'img');
      for (const attribute of ['aria-labelledby', 'aria-describedby'])
        canvas.setAttribute(attribute, element.getAttribute(attribute));
      element.removeAttribute('aria-labelledby');
      element.removeAttribute('aria-describedby');
      canvas.textContent = control.description;
    }
  }

  function createControl(control) {
    const element = makers[control.kind](control);
    element.id = control.name;
    element.classList.add(control.kind);
    place(element, control.pixels);
    styleText(element, control);
    // A caption wider than its box grows to the right until it shows whole, as on the window.
    if (control.kind === 'label') {
      element.style.minWidth = element.style.width;
      element.style.width = 'max-content';
    }
    describe(element, control);
    element.style.display = control.visible ? '' : 'none';
    elements.set(control.name, element);
    return element;
  }

  const takesFocus = (control) =>
    control.tabPosition > 0 && (control.kind === 'textbox' || control.kind === 'button');

  // The controls in the order the page holds them: as the control table lists them, except
  // that those that take the focus follow each other in the window's keyboard order, so that
  // the browser's own Tab order is the window's without any tab index.
  function documentOrder(controls) {
    const focusable = controls.filter(takesFocus).sort((a, b) => a.tabPosition - b.tabPosition);
    return controls.map((control) => (takesFocus(control) ? focusable.shift() : control));
  }

  function setClientSize(width, height) {
    client.style.width = `${width}px`;
    client.style.height = `${height}px`;
    return true;
  }

  function withChart(name, operation, draw) {
    const chart = charts.get(name);
    if (!chart) return false;
    chart.operations.push(operation);
    draw(chart.context);
    return true;
  }

  const toolkit = {
    setVisible(name, visible) {
      const element = elements.get(name);
      if (!element) return false;
      element.style.display = visible ? '' : 'none';
      return true;
    },
    setLeft(name, pixels) {
      const element = elements.get(name);
      if (!element) return false;
      element.style.left = `${pixels}px`;
      return true;
    },
    setClientSize,
    text(name) {
      const element = elements.get(name);
      return element ? element.value : '';
    },
    setText(name, text) {
      const element = elements.get(name);
      if (!element || element.tagName !== 'INPUT') return false;
      element.value = text;
      return true;
    },
    decimalSeparator() {
      return decimalSeparatorOf([...(navigator.languages ?? []), navigator.language]);
    },
    // A line of an odd number of device pixels runs through pixel centres, so that on whole
    // coordinates it fills whole pixels as on the window.
    drawLine(name, x1, y1, x2, y2, colour, width) {
      const operation = { kind: 'line', x1, y1, x2, y2, colour, width };
      return withChart(name, operation, (context) => {
        const ratio = context.getTransform().a;
        const shift = Math.round(width * ratio) % 2 === 1 ? 0.5 / ratio : 0;
        context.strokeStyle = cssColour(colour);
        context.lineWidth = width;
        context.lineCap = 'round';
        context.lineJoin = 'round';
        context.beginPath();
        context.moveTo(x1 + shift, y1 + shift);
        context.lineTo(x2 + shift, y2 + shift);
        context.stroke();
      });
    },
    // A box over the whole canvas hides all drawn before it, which is then forgotten.
    fillBox(name, x1, y1, x2, y2, colour) {
      const operation = { kind: 'box', x1, y1, x2, y2, colour };
      const chart = charts.get(name);
      const style = chart?.context.canvas.style;
      const [width, height] = style ? [parseFloat(style.width), parseFloat(style.height)] : [];
      if (chart && Math.min(x1, x2) <= 0 && Math.min(y1, y2) <= 0 &&
          Math.max(x1, x2) >= width && Math.max(y1, y2) >= height)
        chart.operations = [];
      return withChart(name, operation, (context) => {
        context.fillStyle = cssColour(colour);
        context.fillRect(Math.min(x1, x2), Math.min(y1, y2), Math.abs(x2 - x1), Math.abs(y2 - y1));
      });
    },
  };

  // The toolkit as the module calls it: whatever throws in an operation is kept as a fault of
  // the press, and the operation reports that it failed, so that the module ends the press as
  // for any failure instead of leaving it half done behind a script error.
  const failedResults = { text: '', decimalSeparator: '' };
  const guardedToolkit = Object.fromEntries(Object.entries(toolkit).map(([name, operation]) => [
    name,
    (...args) => {
      try {
        return operation(...args);
      } catch (error) {
        faults.push(`${error.name}: ${error.message}`);
        return failedResults[name] ?? false;
      }
    },
  ]));

  // Everything a press may change, to put back when it fails: visibility, place and text of
  // every control, the client's size, the charts' pixels and operations.
  function snapshot() {
    const controls = [...elements.values()].map((element) =>
      [element, element.style.display, element.style.left, element.value]);
    const size = [client.style.width, client.style.height];
    const pictures = [...charts.values()].map((chart) => {
      const { canvas } = chart.context;
      return [chart, chart.context.getImageData(0, 0, canvas.width, canvas.height),
        [...chart.operations]];
    });
    return () => {
      for (const [element, display, left, text] of controls) {
        Object.assign(element.style, { display, left });
        if (element.tagName === 'INPUT') element.value = text;
      }
      [client.style.width, client.style.height] = size;
      for (const [chart, pixels, operations] of pictures) {
        chart.context.putImageData(pixels, 0, 0);
        chart.operations = operations;
      }
    };
  }

  let focusBeforeReport = null;

  function showReport(report) {
    const dialog = document.getElementById('report');
    dialog.querySelector('.message').textContent = report;
    focusBeforeReport = document.activeElement;
    dialog.showModal();
    dialog.querySelector('button').focus();
  }

  function returnFocus() {
    if (focusBeforeReport && focusBeforeReport.offsetParent !== null) focusBeforeReport.focus();
    focusBeforeReport = null;
  }

  // Runs a press and returns its report (an empty text when it ran through) and whether the
  // page was put back. A fault of the page (a failed toolkit operation, a script error, a
  // fault of the module) puts the page back as it was before the press; an error of the
  // calculation leaves the window as the press left it, as on the desktop.
  function runPress(module, action) {
    const restore = snapshot();
    faults.length = 0;
    try {
      const report = module.UTF8ToString(action());
      if (!faults.length && !module._quelbor_press_faulted()) return { report, putBack: false };
      restore();
      return { report: [report || 'Unerwarteter Fehler:', ...faults].join('\n'), putBack: true };
    } catch (error) {
      restore();
      return { report: `Unerwarteter Fehler:\n${error.name}: ${error.message}`, putBack: true };
    }
  }

  // The module is loaded beside the page rather than before it: the boxes take input while it
  // compiles, and a press waits for it.
  function loadModule() {
    return new Promise((resolve, reject) => {
      const script = document.createElement('script');
      script.src = 'quelbor.js';
      script.onload = () => createQuelbor().then(resolve, reject);
      script.onerror = () => reject(new Error('quelbor.js kann nicht geladen werden.'));
      document.head.append(script);
    });
  }

  function start() {
    const design = quelborDesign;
    document.title = design.caption;
    windowElement.querySelector('.caption span').textContent = design.caption;
    setClientSize(...design.clientPixels);
    for (const control of documentOrder(design.controls)) client.append(createControl(control));
    document.getElementById('report').addEventListener('close', returnFocus);

    const uncertainty = UncertaintySection.attach({ design, elements, showReport,
      decimalSeparator: toolkit.decimalSeparator,
      toggleButton: document.querySelector('[data-offer="uncertainty"]') });
    const offerParts = { design, elements, charts, windowElement,
      decimalSeparator: toolkit.decimalSeparator, showReport, uncertainty };
    const offers = ResultOffers.attach(offerParts);
    SeriesSection.attach({ decimalSeparator: toolkit.decimalSeparator, showReport });
    const loading = loadModule().then((module) => {
      module.page = guardedToolkit;
      offerParts.comparison = ComparisonSection.attach({ module, elements, charts, showReport,
        decimalSeparator: toolkit.decimalSeparator, copyText: offers.copyText });
      return module;
    });
    const unloaded = (error) => 'Quelbor kann nicht rechnen: quelbor.js fehlt, oder der Browser ' +
      'ist zu alt (Quelbor braucht Chrome oder Edge ab 95, Firefox ab 100 oder Safari ab 15.2).' +
      `\n${error.message}`;
    loading.catch((error) => showReport(unloaded(error))).finally(() => {
      document.body.dataset.ready = 'true';
    });
    // The result is offered after a "Rechne !" that ran through, until the next press that
    // is not put back.
    const press = (action) => async () => {
      let module;
      try {
        module = await loading;
      } catch (error) {
        showReport(unloaded(error));
        return;
      }
      const { report, putBack } = runPress(module, module[action]);
      if (!putBack) {
        const offered = !report && elements.get('cmd_Nochmal').style.display !== 'none';
        offers.show(offered);
        uncertainty.show(offered);
        offerParts.comparison.show(offered);
      }
      if (report) showReport(report);
    };
    elements.get('cmd_Rechne').addEventListener('click', press('_quelbor_rechne'));
    elements.get('cmd_Nochmal').addEventListener('click', press('_quelbor_nochmal'));

    // Ready to type once the first box has the focus; the page is ready when the module is in
    // (or has failed to load, which it then reports).
    const first = design.controls.filter(takesFocus)
      .sort((a, b) => a.tabPosition - b.tabPosition)[0];
    elements.get(first.name).focus();
    document.body.dataset.readyAfterMs = String(Math.round(performance.now()));
  }

  start();
})();
