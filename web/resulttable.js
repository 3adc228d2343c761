'use strict';
// The table "Ergebnisse kopieren" puts on the clipboard, as the desktop window copies it: a
// line of the captions and a line of the texts beside them, tab-separated, each line ending
// in a line break, in the order the design lists the copied boxes. A caption is its label's
// text without its indenting blanks; a tab or line break in a text becomes a blank. A number
// is written with the decimal separator the results show, so that a spreadsheet under the
// same regional settings reads the typed "0,25" and "0.25" alike.
function resultTable(design, elements, decimalSeparator) {
  const captionOf = new Map(design.controls.map((control) => [control.name, control.caption]));
  const cell = (text) => text.replace(/[\t\n\r]/g, ' ');
  const captions = design.copied.map(({ box }) =>
    cell(elements.get(captionOf.get(box)).textContent.trim()));
  const texts = design.copied.map(({ box, number }) => {
    const text = elements.get(box).value;
    return cell(number ? text.replace(/[,.]/g, () => decimalSeparator) : text);
  });
  return `${captions.join('\t')}\n${texts.join('\t')}\n`;
}
