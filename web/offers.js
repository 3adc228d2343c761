'use strict';
// The result's offers: a bar under the window, shown after a "Rechne !" that ran through and
// hidden again by the next press, with the desktop window's offers as the browser can make
// them: the results copied as a table, the window saved as PNG or SVG (downloaded), printed,
// the body kept for comparison (comparisonsection.js), and the section of the measurement
// uncertainty opened or closed (uncertaintysection.js).
// Each button also answers to its key, Alt+Shift and a letter (aria-keyshortcuts), which no
// browser takes for itself; a failure is reported in the window's error dialog.
const ResultOffers = {
  attach(page) {
    const bar = document.getElementById('offers');
    const status = bar.querySelector('.status');

    // The body's name, for the files' names, as the desktop window names them.
    const bodyName = () => {
      const name = page.elements.get('txt_Massebezeichnung').value.replace(/\s+/g, ' ').trim()
        .replaceAll('/', '-');
      return !name || name.startsWith('.') ? 'Quelbor' : name;
    };

    const download = (blob, name) => {
      downloadBlob(blob, name);
      return `Gespeichert: ${name}`;
    };

    // Where the browser refuses its Clipboard API (a page opened from a file, in some
    // browsers), the text is copied from a selected text area outside the view.
    const copyText = async (text) => {
      try {
        await navigator.clipboard.writeText(text);
        return;
      } catch {
        // copied below
      }
      const focused = document.activeElement;
      const area = document.createElement('textarea');
      area.value = text;
      area.readOnly = true;
      area.tabIndex = -1;
      area.setAttribute('aria-hidden', 'true');
      area.className = 'copying';
      document.body.append(area);
      area.select();
      const copied = document.execCommand('copy');
      area.remove();
      focused?.focus();
      if (!copied) throw new Error('Der Browser gibt die Zwischenablage nicht frei.');
    };

    const offers = {
      copy: {
        failure: 'Die Ergebnisse wurden nicht kopiert.',
        run: async () => {
          await copyText(resultTable(page.design, page.elements, page.decimalSeparator()));
          return 'Ergebnisse kopiert';
        },
      },
      png: {
        failure: 'Das Ergebnis wurde nicht gespeichert.',
        run: async () =>
          download(await WindowPicture.png(page.windowElement, page.charts), `${bodyName()}.png`),
      },
      svg: {
        failure: 'Das Ergebnis wurde nicht gespeichert.',
        run: async () => download(WindowPicture.svg(page.windowElement, page.charts,
          document.title), `${bodyName()}.svg`),
      },
      compare: {
        failure: 'Die Masse wurde nicht zum Vergleich hinzugefügt.',
        run: async () => page.comparison.add(),
      },
      uncertainty: {
        failure: 'Die Messunsicherheit konnte nicht geöffnet werden.',
        run: async () => {
          page.uncertainty.toggle();
          return '';
        },
      },
      print: {
        failure: 'Das Ergebnis konnte nicht gedruckt werden.',
        run: async () => {
          window.print();
          return '';
        },
      },
    };

    const buttons = [...bar.querySelectorAll('button[data-offer]')];
    const offer = async (button) => {
      const { failure, run } = offers[button.dataset.offer];
      status.textContent = '';
      try {
        status.textContent = await run();
      } catch (error) {
        page.showReport(`${failure}\n${error.message}`);
      }
    };
    for (const button of buttons) {
      button.title = `${button.textContent} (${button.getAttribute('aria-keyshortcuts')})`;
      button.addEventListener('click', () => offer(button));
    }

    document.addEventListener('keydown', (event) => {
      if (bar.hidden || !event.altKey || !event.shiftKey || event.ctrlKey || event.metaKey ||
          document.querySelector('dialog[open]'))
        return;
      const button = buttons.find((candidate) =>
        `Key${candidate.getAttribute('aria-keyshortcuts').split('+').pop()}` === event.code);
      if (!button) return;
      event.preventDefault();
      offer(button);
    });

    return {
      copyText,
      show(shown) {
        bar.hidden = !shown;
        status.textContent = '';
      },
    };
  },
};
