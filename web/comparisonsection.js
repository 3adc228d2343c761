'use strict';
// The section "Vergleich" under the window: the bodies kept by "Zum Vergleich hinzufügen" of the
// result's offers, one row a body (shown in the charts or not, name to rename, the seven inputs
// and six results as the table of the desktop's window "Vergleich" shows them, or its error;
// moved up and down, removed), both charts with every shown body in its colour and a legend, the
// table copied for a spreadsheet, "Öffnen …" of a CSV table (picked or dropped on the section)
// and "Speichern …" of the comparison as one, the tables of the desktop's window. The bodies,
// their calculation, table cells, charts and tables are the module's (comparisonmain.cpp); this
// script lays them out. The bodies' names, input texts and whether each is shown are kept in the
// browser's local storage, so that a reload or a closed tab loses none; their results are
// calculated again when the page opens. A row of a table that could not be read is kept with
// its error instead of its input texts.
const ComparisonSection = {
  storageKey: 'quelbor-vergleich',
  inputBoxes: ['txt_rhoSE', 'txt_Xanf', 'txt_Xmess', 'txt_ksiSE', 'txt_kappaMess',
    'txt_thetaMess', 'txt_KappaSteig'], // the module's order of the input texts
  mostBodies: 10000,
  // Each chart's canvas in CSS pixels, with room for its title above, its vertical scale to
  // the left and its horizontal one below, as in the desktop's window.
  charts: [
    { key: 'diffusivity', width: 560, height: 360 },
    { key: 'shrinkage', width: 560, height: 210 },
  ],
  room: { title: 28, left: 74, bottom: 46 },

  attach(page) {
    const { module } = page;
    const section = document.createElement('section');
    section.id = 'comparison';
    section.className = 'panel';
    section.setAttribute('aria-labelledby', 'comparison-title');
    section.innerHTML = `<h2 id="comparison-title">Vergleich</h2>
      <div class="comparison-actions">
        <button type="button" id="comparison-open">Öffnen …</button>
        <input type="file" id="comparison-file" accept=".csv,.txt,text/csv,text/plain" hidden>
        <button type="button" id="comparison-save">Speichern …</button>
        <button type="button" id="comparison-copy">Tabelle kopieren</button>
        <button type="button" id="comparison-clear">Vergleich leeren</button>
        <span id="comparison-status" role="status"></span>
      </div>
      <p id="comparison-empty">Noch keine Masse im Vergleich: „Zum Vergleich hinzufügen“ nach
        „Rechne !“, oder eine CSV-Tabelle öffnen oder hierher ziehen.</p>
      <div class="comparison-scroll" role="region" aria-labelledby="comparison-caption" tabindex="0">
        <table id="comparison-table"><caption id="comparison-caption">Massen im Vergleich</caption>
          <thead></thead><tbody></tbody></table>
      </div>
      <div class="comparison-charts"></div>`;
    document.getElementById('uncertainty').after(section);
    const $ = (selector) => section.querySelector(selector);
    const status = $('#comparison-status');
    const say = (text) => {
      status.textContent = text;
    };

    const call = (name, returns, types, args) => module.ccall(name, returns, types, args);
    // A body gets the palette's colour fewest bodies have, or the one it had when it was kept.
    const add = (name, texts, palette = -1) => call('quelbor_comparison_add', null,
      ['string', 'string', 'number'], [name, texts.join('\n'), palette]);
    const current = () =>
      JSON.parse(call('quelbor_comparison_json', 'string', ['string'], [page.decimalSeparator()]));

    // Kept as { bodies: [{ name, texts: [seven texts], shown, palette }] }; a body whose row of
    // a table could not be read as { name, unread: its error, shown, palette }. The palette's
    // index keeps each body's colour through a reopening.
    const store = (bodies) => {
      try {
        if (bodies.length) {
          localStorage.setItem(this.storageKey, JSON.stringify({ bodies: bodies.map(
            ({ name, texts, shown, calculated, error, palette }) => (calculated
              ? { name, texts, shown, palette } : { name, unread: error, shown, palette })) }));
        } else {
          localStorage.removeItem(this.storageKey);
        }
      } catch {
        say('Der Browser bewahrt den Vergleich nicht auf: Er geht beim Schließen verloren.');
      }
    };
    // Whatever is kept that is no such list, or no such body, is passed over.
    const isText = (text) => typeof text === 'string' && text.length <= 1000;
    const isUnread = (body) => body !== null && typeof body === 'object' && isText(body.name) &&
      isText(body.unread) && body.unread !== '';
    const isBody = (body) => isUnread(body) || (body !== null && typeof body === 'object' &&
      isText(body.name) && Array.isArray(body.texts) &&
      body.texts.length === this.inputBoxes.length &&
      body.texts.every((text) => isText(text) && !/[\r\n]/.test(text)));
    const restore = () => {
      let kept;
      try {
        kept = JSON.parse(localStorage.getItem(this.storageKey) ?? 'null');
      } catch {
        return;
      }
      if (!Array.isArray(kept?.bodies)) return;
      const bodies = kept.bodies.filter(isBody).slice(0, this.mostBodies);
      bodies.forEach((body, row) => {
        const palette = Number.isInteger(body.palette) && body.palette >= 0 ? body.palette : -1;
        if (isUnread(body)) {
          call('quelbor_comparison_add_unread', null, ['string', 'string', 'number'],
            [body.name, body.unread, palette]);
        } else {
          add(body.name, body.texts, palette);
        }
        if (body.shown === false)
          call('quelbor_comparison_set_shown', 'number', ['number', 'number'], [row, 0]);
      });
    };

    // The charts: a canvas each, drawn on by the module through the page's toolkit, named for
    // screen readers by its title and the bodies on it; the scales, titles and legend as text.
    // Made when the first body is shown, so that an empty comparison costs the page's start
    // nothing.
    const makeCharts = () => this.charts.map(({ key, width, height }) => {
      const figure = document.createElement('div');
      figure.className = 'comparison-chart';
      figure.style.width = `${this.room.left + width}px`;
      figure.style.height = `${this.room.title + height + this.room.bottom}px`;
      const canvas = document.createElement('canvas');
      canvas.id = `comparison-${key}`;
      canvas.setAttribute('role', 'img');
      const ratio = window.devicePixelRatio || 1;
      Object.assign(canvas.style, { left: `${this.room.left}px`, top: `${this.room.title}px`,
        width: `${width}px`, height: `${height}px` });
      canvas.width = Math.round(width * ratio);
      canvas.height = Math.round(height * ratio);
      const context = canvas.getContext('2d');
      context.setTransform(ratio, 0, 0, ratio, 0, 0);
      page.charts.set(canvas.id, { context, operations: [] });
      const scales = document.createElement('div');
      scales.setAttribute('aria-hidden', 'true');
      const legend = document.createElement('ul');
      legend.className = 'comparison-legend';
      legend.setAttribute('aria-label', 'Legende');
      const whole = document.createElement('div');
      whole.className = 'comparison-figure';
      figure.append(canvas, scales);
      whole.append(figure, legend);
      $('.comparison-charts').append(whole);
      return { key, width, height, canvas, scales, legend };
    });
    let chartParts = null;

    const text = (className, content, style) => {
      const element = document.createElement('span');
      element.className = className;
      element.textContent = content;
      Object.assign(element.style, style);
      return element;
    };
    const showScales = ({ width, height, scales }, axes) => {
      const { title, left, bottom } = this.room;
      const [extentWidth, extentHeight] = axes.extent;
      scales.replaceChildren(
        text('chart-title', axes.title, { left: `${left}px`, width: `${width}px`, top: '4px' }),
        ...axes.horizontalTicks.map(({ position, text: tick }) => text('tick-x', tick, {
          left: `${left + (position / extentWidth) * width - 30}px`, top: `${title + height + 2}px` })),
        text('axis-x', axes.horizontalTitle, { left: `${left}px`, width: `${width}px`,
          top: `${title + height + bottom / 2}px` }),
        ...axes.verticalTicks.map(({ position, text: tick }) => text('tick-y', tick, {
          left: `${left - 56}px`, top: `${title + (position / extentHeight) * height - 8}px` })),
        text('axis-y', axes.verticalTitle, { left: '2px', top: `${title + height / 2}px`,
          width: `${height + 120}px` }));
    };
    const showLegend = ({ legend }, entries) => {
      legend.replaceChildren(...entries.map(({ name, colour }) => {
        const item = document.createElement('li');
        const swatch = text('swatch', '', { background: `rgb(${colour.join(', ')})` });
        item.append(swatch, document.createTextNode(name || '(ohne Bezeichnung)'));
        return item;
      }));
    };

    const button = (label, action, disabled) => {
      const made = Object.assign(document.createElement('button'), { type: 'button',
        textContent: label, disabled });
      made.dataset.action = action;
      return made;
    };
    // A row's check box and buttons are named with the body's name, or its row's number.
    const nameRow = (line, name) => {
      const label = name || `Zeile ${Number(line.dataset.row) + 1}`;
      line.querySelector('[data-action="show"]')
        .setAttribute('aria-label', `${label} in den Diagrammen zeigen`);
      for (const made of line.querySelectorAll('button'))
        made.setAttribute('aria-label', `${label}: ${made.textContent}`);
    };
    const cellOf = (child) => {
      const cell = document.createElement('td');
      if (typeof child === 'string') cell.textContent = child;
      else cell.append(child);
      return cell;
    };

    // The table's rows from the module's comparison; `focus` names the control to focus again
    // after a change ({ row, action }).
    const showTable = (comparison, focus) => {
      const head = document.createElement('tr');
      for (const caption of ['Im Diagramm', ...comparison.columns, 'Ändern'])
        head.append(Object.assign(document.createElement('th'), { scope: 'col', textContent: caption }));
      $('thead').replaceChildren(head);
      const last = comparison.bodies.length - 1;
      $('tbody').replaceChildren(...comparison.bodies.map((body, row) => {
        const line = document.createElement('tr');
        if (body.error) line.className = 'failed';
        const shown = Object.assign(document.createElement('input'), { type: 'checkbox',
          checked: body.shown });
        shown.dataset.action = 'show';
        const swatch = text('swatch', '', { background: `rgb(${body.colour.join(', ')})` });
        const showing = document.createElement('td');
        showing.append(shown, swatch);
        const name = Object.assign(document.createElement('input'), { type: 'text',
          value: body.name, spellcheck: false, autocomplete: 'off' });
        name.dataset.action = 'rename';
        name.setAttribute('aria-label', `Bezeichnung in Zeile ${row + 1}`);
        const heading = Object.assign(document.createElement('th'), { scope: 'row' });
        heading.append(name);
        const [, ...cells] = body.cells;
        const actions = document.createElement('td');
        actions.className = 'comparison-row-actions';
        actions.append(button('Nach oben', 'up', row === 0),
          button('Nach unten', 'down', row === last), button('Entfernen', 'remove'));
        line.append(showing, heading, ...cells.map(cellOf), actions);
        line.dataset.row = String(row);
        nameRow(line, body.name);
        return line;
      }));
      if (!focus || !comparison.bodies.length) return;
      const row = $(`tbody tr[data-row="${Math.min(focus.row, last)}"]`);
      const target = row.querySelector(`[data-action="${focus.action}"]`);
      (target && !target.disabled ? target : row.querySelector('[data-action="rename"]')).focus();
    };

    const showCharts = (comparison) => {
      chartParts ??= makeCharts();
      const [diffusivity, shrinkage] = chartParts;
      const failure = call('quelbor_comparison_draw', 'string',
        ['string', 'number', 'number', 'string', 'number', 'number'],
        [diffusivity.canvas.id, diffusivity.width, diffusivity.height,
          shrinkage.canvas.id, shrinkage.width, shrinkage.height]);
      const names = comparison.legend.map(({ name }) => name).join(', ');
      for (const part of chartParts) {
        const axes = comparison[part.key];
        part.canvas.setAttribute('aria-label',
          `${axes.title}: ${names ? `Kurven von ${names}` : 'keine Kurve'}`);
        showScales(part, axes);
        showLegend(part, comparison.legend);
      }
      if (failure) throw new Error(failure);
    };

    // After a change: kept, and shown; the table is made again unless only a name changed,
    // which its text box already shows.
    const show = (focus, table = true) => {
      const comparison = current();
      const empty = comparison.bodies.length === 0;
      $('#comparison-empty').hidden = !empty;
      for (const part of ['.comparison-scroll', '.comparison-charts']) $(part).hidden = empty;
      for (const action of ['#comparison-save', '#comparison-copy', '#comparison-clear'])
        $(action).disabled = empty;
      store(comparison.bodies);
      if (table) showTable(comparison, focus);
      if (!empty) showCharts(comparison);
      return comparison;
    };
    const guarded = (change, focus, table) => {
      try {
        change();
        show(focus, table);
      } catch (error) {
        page.showReport(`Der Vergleich wurde nicht geändert.\n${error.message}`);
      }
    };

    const rowChange = {
      up: (row) => call('quelbor_comparison_move', 'number', ['number', 'number'], [row, row - 1]),
      down: (row) => call('quelbor_comparison_move', 'number', ['number', 'number'], [row, row + 1]),
      remove: (row) => call('quelbor_comparison_remove', 'number', ['number'], [row]),
    };
    const focusAfter = { up: (row) => row - 1, down: (row) => row + 1, remove: (row) => row };
    $('tbody').addEventListener('click', (event) => {
      const target = event.target.closest('button[data-action]');
      if (!target) return;
      const row = Number(target.closest('tr').dataset.row);
      const { action } = target.dataset;
      guarded(() => rowChange[action](row), { row: focusAfter[action](row), action });
      if (action === 'remove') say('Zeile entfernt');
    });
    $('tbody').addEventListener('change', (event) => {
      const row = Number(event.target.closest('tr').dataset.row);
      const { action } = event.target.dataset;
      if (action === 'show') {
        guarded(() => call('quelbor_comparison_set_shown', 'number', ['number', 'number'],
          [row, event.target.checked ? 1 : 0]), { row, action });
      } else if (action === 'rename') {
        guarded(() => call('quelbor_comparison_rename', 'number', ['number', 'string'],
          [row, event.target.value]), null, false);
        nameRow(event.target.closest('tr'), event.target.value);
      }
    });
    $('#comparison-copy').addEventListener('click', async () => {
      say('');
      try {
        await page.copyText(call('quelbor_comparison_clipboard', 'string', ['string'],
          [page.decimalSeparator()]));
        say('Tabelle kopiert');
      } catch (error) {
        page.showReport(`Die Tabelle wurde nicht kopiert.\n${error.message}`);
      }
    });
    $('#comparison-clear').addEventListener('click', () => {
      guarded(() => call('quelbor_comparison_clear', null, [], []));
      const adding = document.querySelector('[data-offer="compare"]');
      if (adding.offsetParent !== null) adding.focus();
    });

    // "Öffnen …": the picked or dropped file into the module's memory (at most one byte more
    // than the largest table, so that a larger one is refused by its size), read there as the
    // desktop reads it; a refused file changes nothing.
    const largest = call('quelbor_comparison_largest_table', 'number', [], []);
    const picker = $('#comparison-file');
    const open = async (file) => {
      const path = '/geoeffnet.csv';
      say(`Öffnet ${file.name} …`);
      try {
        const bytes = new Uint8Array(await file.slice(0, largest + 1).arrayBuffer());
        module.FS.writeFile(path, bytes);
        let refusal;
        try {
          refusal = call('quelbor_comparison_open', 'string', ['string'], [path]);
        } finally {
          module.FS.unlink(path);
        }
        if (refusal) {
          say('');
          page.showReport(`${file.name} wird nicht geöffnet: ${refusal}`);
          return;
        }
        const { bodies } = show();
        say(`${file.name} geöffnet (${bodies.length} im Vergleich)`);
      } catch (error) {
        say('');
        page.showReport(`${file.name} wird nicht geöffnet.\n${error.message}`);
      } finally {
        picker.value = '';
      }
    };
    $('#comparison-open').addEventListener('click', () => picker.click());
    takeFiles(section, picker, open);
    // "Speichern …": the table the desktop's window saves, as a download. Its bytes are taken
    // as they are: a text decoder would drop the byte-order mark.
    $('#comparison-save').addEventListener('click', () => {
      const table = call('quelbor_comparison_table', 'number', [], []);
      const bytes = module.HEAPU8.slice(table, module.HEAPU8.indexOf(0, table));
      downloadBlob(new Blob([bytes], { type: 'text/csv' }), 'Vergleich.csv');
      say('Vergleich.csv gespeichert');
    });

    try {
      restore();
      show();
    } catch {
      call('quelbor_comparison_clear', null, [], []);
      show();
    }

    let offered = null; // the name and input texts of the last "Rechne !" that ran through
    return {
      // The body of the last "Rechne !" is offered while the result's offers are shown.
      show(shown) {
        offered = shown ? { name: page.elements.get('txt_Massebezeichnung').value,
          texts: this.inputTexts() } : null;
      },
      inputTexts: () => ComparisonSection.inputBoxes.map((box) => page.elements.get(box).value),
      add() {
        if (!offered) return '';
        add(offered.name, offered.texts);
        const { bodies } = show();
        section.scrollIntoView({ block: 'nearest' });
        return `Zum Vergleich hinzugefügt (${bodies.length} im Vergleich)`;
      },
    };
  },
};
