'use strict';
// The window as a picture, for "Als PNG speichern" and "Als SVG speichern": its frame, title bar
// and every control it shows, taken from the page as the browser lays it out. Both formats
// draw the same parts: filled boxes and their borders, texts where the browser put them, the
// window's pictures (from pictures.js: a browser does not let a picture loaded from a file be
// saved from a canvas) and the two charts, in the PNG as their canvases' pixels, in the SVG as
// vector lines and boxes from the drawing operations the module sent them.
const WindowPicture = (() => {
  const transparent = (colour) => colour === 'transparent' || /rgba\(.*, 0\)$/.test(colour);
  const sides = ['Top', 'Right', 'Bottom', 'Left'];
  const measuring = document.createElement('canvas').getContext('2d');

  const fontOf = (style) =>
    `${style.fontStyle} ${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;

  // The baseline of a line of text of the style's font centred in a box from top to bottom,
  // as the browser centres a line in its line box or a text box's content.
  function baseline(style, top, height) {
    measuring.font = fontOf(style);
    const metrics = measuring.measureText('Hg');
    const ascent = metrics.fontBoundingBoxAscent;
    return top + (height - ascent - metrics.fontBoundingBoxDescent) / 2 + ascent;
  }

  // A text box's value within its content box, placed by its alignment; any other element's
  // own text where the browser laid it out.
  function textOf(element, style, box) {
    const common = { font: fontOf(style), colour: style.color, style: style.fontStyle,
      weight: style.fontWeight, size: style.fontSize, family: style.fontFamily,
      underline: style.textDecorationLine.includes('underline') };
    if (element.tagName === 'INPUT') {
      const inset = (side) => parseFloat(style[`border${side}Width`]) + parseFloat(style[`padding${side}`]);
      const left = box[0] + inset('Left');
      const width = box[2] - inset('Left') - inset('Right');
      const top = box[1] + inset('Top');
      const height = box[3] - inset('Top') - inset('Bottom');
      measuring.font = common.font;
      const free = width - measuring.measureText(element.value).width;
      const shift = { center: free / 2, right: free }[style.textAlign] ?? 0;
      return { ...common, string: element.value, x: left + shift, y: baseline(style, top, height) };
    }
    const ownText = [...element.childNodes].filter((node) => node.nodeType === Node.TEXT_NODE)
      .map((node) => node.data).join('');
    if (!ownText.trim() || element.tagName === 'CANVAS') return null;
    const range = document.createRange();
    range.selectNodeContents(element);
    const line = range.getBoundingClientRect();
    const origin = element.closest('.window').getBoundingClientRect();
    return { ...common, string: ownText, x: line.left - origin.left,
      y: baseline(style, line.top - origin.top, line.height) };
  }

  // As base64, which every SVG reader takes in an embedded picture.
  const svgDataUrl = (svg) => `data:image/svg+xml;base64,${
    btoa(String.fromCharCode(...new TextEncoder().encode(svg)))}`;

  function partOf(element, origin, charts) {
    const style = getComputedStyle(element);
    const rect = element.getBoundingClientRect();
    const box = [rect.left - origin.left, rect.top - origin.top, rect.width, rect.height];
    const [x, y, width, height] = box;
    const widths = sides.map((side) => parseFloat(style[`border${side}Width`]) || 0);
    const [top, right, bottom, left] = widths;
    const borders = [[x, y, width, top], [x + width - right, y, right, height],
      [x, y + height - bottom, width, bottom], [x, y, left, height]]
      .map((edge, i) => ({ edge, colour: style[`border${sides[i]}Color`] }))
      .filter(({ edge }) => edge[2] > 0 && edge[3] > 0);
    const picture = element.tagName === 'IMG'
      ? windowPictures[new URL(element.src).pathname.split('/').pop().replace(/\.svg$/, '')]
      : null;
    const chart = element.tagName === 'CANVAS' ? charts.get(element.parentElement.id) : null;
    return {
      box,
      fill: transparent(style.backgroundColor) ? null : style.backgroundColor,
      borders,
      picture: picture ? svgDataUrl(picture) : null,
      chart,
      text: textOf(element, style, box),
    };
  }

  // The parts in the order they are painted: an element before its children, and siblings
  // by their stacking order.
  function scene(windowElement, charts) {
    const origin = windowElement.getBoundingClientRect();
    const parts = [];
    const zIndex = (element) => parseInt(getComputedStyle(element).zIndex, 10) || 0;
    const visit = (element) => {
      if (!element.getClientRects().length) return;
      parts.push(partOf(element, origin, charts));
      [...element.children].sort((a, b) => zIndex(a) - zIndex(b)).forEach(visit);
    };
    visit(windowElement);
    return { width: origin.width, height: origin.height, parts };
  }

  // Loaded, not decoded: a browser may hold back decoding in a page that is not in front.
  function loaded(url) {
    return new Promise((resolve, reject) => {
      const image = new Image();
      image.onload = () => resolve(image);
      image.onerror = () => reject(new Error('Ein Bild des Fensters ließ sich nicht laden.'));
      image.src = url;
    });
  }

  // The window as PNG, at the screen's device pixel ratio and at least twice its CSS pixels.
  async function png(windowElement, charts) {
    const { width, height, parts } = scene(windowElement, charts);
    const ratio = Math.max(window.devicePixelRatio || 1, 2);
    const canvas = document.createElement('canvas');
    canvas.width = Math.ceil(width * ratio);
    canvas.height = Math.ceil(height * ratio);
    const context = canvas.getContext('2d');
    context.scale(ratio, ratio);
    for (const { box, fill, borders, picture, chart, text } of parts) {
      if (fill) {
        context.fillStyle = fill;
        context.fillRect(...box);
      }
      for (const { edge, colour } of borders) {
        context.fillStyle = colour;
        context.fillRect(...edge);
      }
      if (picture) context.drawImage(await loaded(picture), ...box);
      if (chart) context.drawImage(chart.context.canvas, ...box);
      if (text) {
        context.font = text.font;
        context.fillStyle = text.colour;
        context.textBaseline = 'alphabetic';
        context.textAlign = 'left';
        context.fillText(text.string, text.x, text.y);
        if (text.underline) {
          const { width: length, fontBoundingBoxDescent: descent } = context.measureText(text.string);
          context.fillRect(text.x, text.y + descent / 3, length, Math.max(1, descent / 4));
        }
      }
    }
    // Encoded at once: Chromium encodes for toBlob() only in idle time, which a busy page may
    // leave it for seconds.
    const url = canvas.toDataURL('image/png');
    if (!url.startsWith('data:image/png;base64,'))
      throw new Error('Das Bild ließ sich nicht erzeugen.');
    const bytes = Uint8Array.from(atob(url.slice(url.indexOf(',') + 1)), (c) => c.charCodeAt(0));
    return new Blob([bytes], { type: 'image/png' });
  }

  const escaped = (text) => String(text).replace(/[&<>"]/g, (character) =>
    ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[character]);
  const attributes = (values) => Object.entries(values)
    .map(([name, value]) => `${name}="${escaped(value)}"`).join(' ');
  const rect = ([x, y, width, height], fill) => `<rect ${attributes({ x, y, width, height, fill })}/>`;
  const cssColour = ([red, green, blue]) => `rgb(${red}, ${green}, ${blue})`;

  // A chart as the module drew it: its operations in their order, clipped to the canvas.
  function svgChart([x, y, width, height], operations) {
    const drawn = operations.map((operation) => (operation.kind === 'line'
      ? `<line ${attributes({ x1: operation.x1, y1: operation.y1, x2: operation.x2, y2: operation.y2,
        stroke: cssColour(operation.colour), 'stroke-width': operation.width,
        'stroke-linecap': 'round' })}/>`
      : rect([Math.min(operation.x1, operation.x2), Math.min(operation.y1, operation.y2),
        Math.abs(operation.x2 - operation.x1), Math.abs(operation.y2 - operation.y1)],
      cssColour(operation.colour))));
    return [`<svg ${attributes({ x, y, width, height, viewBox: `0 0 ${width} ${height}` })}>`,
      rect([0, 0, width, height], 'white'), ...drawn, '</svg>'].join('\n');
  }

  function svgText(text) {
    return `<text ${attributes({ x: text.x, y: text.y, fill: text.colour,
      'font-family': text.family, 'font-size': text.size, 'font-weight': text.weight,
      'font-style': text.style, 'text-decoration': text.underline ? 'underline' : 'none',
      'xml:space': 'preserve' })}>${escaped(text.string)}</text>`;
  }

  function svg(windowElement, charts, title) {
    const { width, height, parts } = scene(windowElement, charts);
    const lines = [`<svg xmlns="http://www.w3.org/2000/svg" ${attributes({
      'xmlns:xlink': 'http://www.w3.org/1999/xlink', width, height,
      viewBox: `0 0 ${width} ${height}` })}>`, `<title>${escaped(title)}</title>`];
    for (const { box, fill, borders, picture, chart, text } of parts) {
      if (fill) lines.push(rect(box, fill));
      for (const { edge, colour } of borders) lines.push(rect(edge, colour));
      if (picture) {
        const [x, y, pictureWidth, pictureHeight] = box;
        lines.push(`<image ${attributes({ x, y, width: pictureWidth, height: pictureHeight,
          'xlink:href': picture })}/>`);
      }
      if (chart) lines.push(svgChart(box, chart.operations));
      if (text) lines.push(svgText(text));
    }
    lines.push('</svg>', '');
    return new Blob([lines.join('\n')], { type: 'image/svg+xml' });
  }

  return { png, svg };
})();
