'use strict';
// The page's toolkit. The window's controls, captions and positions, the button actions, the
// calculation and both charts all come from the WebAssembly module (quelbor.js); this script
// only does for it what the window toolkit does on the desktop: make the controls of the
// design it hands over, show and hide them, move them, read and write the text boxes, resize
// the window, draw on the chart canvases, and show an error report as a modal dialog.
(function () {
  const elements = new Map(); // control name -> element
  const canvases = new Map(); // surface name -> 2D context, scaled to CSS pixels
  const windowElement = document.getElementById('frm_Quelbor');
  const client = windowElement.querySelector('.client');

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
  // pixels and white at start.
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
    canvases.set(control.name, context);
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
      image.alt = '';
      image.draggable = false;
      return image;
    },
    line() {
      return document.createElement('div');
    },
  };

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
    if (control.tabPosition > 0 && (control.kind === 'textbox' || control.kind === 'button'))
      element.tabIndex = control.tabPosition;
    element.style.display = control.visible ? '' : 'none';
    elements.set(control.name, element);
    return element;
  }

  function setClientSize(width, height) {
    client.style.width = `${width}px`;
    client.style.height = `${height}px`;
    return true;
  }

  function withContext(name, draw) {
    const context = canvases.get(name);
    if (!context) return false;
    draw(context);
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
    // The decimal separator of the browser's language, as the window takes it from the
    // regional settings.
    decimalSeparator() {
      const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
      return parts.find((part) => part.type === 'decimal').value;
    },
    // A line of an odd number of device pixels runs through pixel centres, so that on whole
    // coordinates it fills whole pixels as on the window.
    drawLine(name, x1, y1, x2, y2, colour, width) {
      return withContext(name, (context) => {
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
    fillBox(name, x1, y1, x2, y2, colour) {
      return withContext(name, (context) => {
        context.fillStyle = cssColour(colour);
        context.fillRect(Math.min(x1, x2), Math.min(y1, y2), Math.abs(x2 - x1), Math.abs(y2 - y1));
      });
    },
  };

  function showReport(report) {
    const dialog = document.getElementById('report');
    dialog.querySelector('.message').textContent = report;
    dialog.showModal();
  }

  async function start() {
    const module = await createQuelbor();
    module.page = toolkit;
    const design = JSON.parse(module.UTF8ToString(module._quelbor_design()));
    document.title = design.caption;
    windowElement.querySelector('.caption span').textContent = design.caption;
    setClientSize(...design.clientPixels);
    for (const control of design.controls) client.append(createControl(control));

    const press = (action) => () => {
      const report = module.UTF8ToString(action());
      if (report) showReport(report);
    };
    elements.get('cmd_Rechne').addEventListener('click', press(module._quelbor_rechne));
    elements.get('cmd_Nochmal').addEventListener('click', press(module._quelbor_nochmal));

    const first = design.controls
      .filter((control) => control.tabPosition > 0 && elements.get(control.name).tabIndex > 0)
      .sort((a, b) => a.tabPosition - b.tabPosition)[0];
    elements.get(first.name).focus();
    document.body.dataset.readyAfterMs = String(Math.round(performance.now()));
    document.body.dataset.ready = 'true';
  }

  start();
})();
