'use strict';
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { execFileSync } = require('node:child_process');
// What the checks of the result's offers run in the page, handed to a driver's evaluate, and
// the one they run on the printed PDF.

// Catches what the offers hand to the browser, so that no engine opens a download, print or
// clipboard prompt under test: the text copied (through the Clipboard API or, where that is
// refused, from the selected text area), the blobs downloaded with their file names, and the
// calls of print().
function installCaptures() {
  const captured = { clipboard: [], blobs: new Map(), downloads: [], printed: 0 };
  window.captured = captured;
  const clipboard = navigator.clipboard;
  const writeText = clipboard?.writeText?.bind(clipboard);
  if (writeText) {
    clipboard.writeText = async (text) => {
      await writeText(text);
      captured.clipboard.push({ via: 'Clipboard API', text });
    };
  }
  document.addEventListener('copy', (event) => {
    const area = event.target;
    if (area instanceof HTMLTextAreaElement)
      captured.clipboard.push({ via: 'text area', text: area.value.slice(area.selectionStart,
        area.selectionEnd) });
  });
  const createObjectURL = URL.createObjectURL.bind(URL);
  URL.createObjectURL = (blob) => {
    const url = createObjectURL(blob);
    captured.blobs.set(url, blob);
    return url;
  };
  HTMLAnchorElement.prototype.click = function download() {
    captured.downloads.push({ name: this.download, blob: captured.blobs.get(this.href) });
  };
  window.print = () => {
    captured.printed += 1;
  };
}

// The downloaded PNG: its signature, size from its header, and as data.
async function pngSummary() {
  const { blob } = window.captured.downloads.find((file) => file.name.endsWith('.png'));
  const bytes = new Uint8Array(await blob.arrayBuffer());
  const header = new DataView(bytes.buffer, 16, 8);
  const url = await new Promise((resolve) => {
    const reader = new FileReader();
    reader.onload = () => resolve(reader.result);
    reader.readAsDataURL(blob);
  });
  return {
    signature: [...bytes.slice(0, 8)].map((byte) => byte.toString(16).padStart(2, '0')).join(''),
    width: header.getUint32(0),
    height: header.getUint32(4),
    url,
    base64: url.slice(url.indexOf(',') + 1),
  };
}

// The downloaded SVG as an XML document: its texts, the number of its lines, and as data.
async function svgSummary() {
  const { blob } = window.captured.downloads.find((file) => file.name.endsWith('.svg'));
  const source = await blob.text();
  const svg = new DOMParser().parseFromString(source, 'image/svg+xml');
  if (svg.querySelector('parsererror')) throw new Error('the SVG is not well-formed');
  return {
    texts: [...svg.querySelectorAll('text')].map((text) => text.textContent.trim()),
    lines: svg.querySelectorAll('line').length,
    url: `data:image/svg+xml;charset=utf-8,${encodeURIComponent(source)}`,
    source,
  };
}

// The page under its print style sheet, applied to the screen for a moment: what it hides and
// the window's size.
function printLayout() {
  const sheet = document.querySelector('link[media="print"]');
  sheet.media = 'all';
  const hidden = (id) => getComputedStyle(document.getElementById(id)).display === 'none';
  const { width, height } = document.getElementById('frm_Quelbor').getBoundingClientRect();
  const layout = { hidden: { offers: hidden('offers'), report: hidden('report') },
    window: { width, height } };
  sheet.media = 'print';
  return layout;
}

// The page sizes of a PDF, in points, one entry a page, as poppler's pdfinfo reads them.
function pdfPages(pdf) {
  const directory = fs.mkdtempSync(path.join(os.tmpdir(), 'quelbor-print-'));
  try {
    fs.writeFileSync(path.join(directory, 'printed.pdf'), pdf);
    const info = execFileSync('pdfinfo', ['-l', '-1', path.join(directory, 'printed.pdf')],
      { encoding: 'utf8' });
    return [...info.matchAll(/^Page\s+\d+ size:\s+([\d.]+) x ([\d.]+)/gm)]
      .map((match) => [Number(match[1]), Number(match[2])]);
  } finally {
    fs.rmSync(directory, { recursive: true, force: true });
  }
}

module.exports = { installCaptures, pngSummary, svgSummary, printLayout, pdfPages };
