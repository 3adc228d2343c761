'use strict';
// The section's results from the uncertainty module's JSON (the object quelbor-calc prints as
// "uncertainty"): the table of both methods, one row a result, with a mark where they
// disagree beyond the numerical tolerance and the reason below it; the failed trials with
// their error texts; and each result's budget, the inputs' shares of u², as a bar chart (SVG).
// Figures are written with the page's decimal separator: u and U with two significant digits,
// the values to the same decimal place as u.
const UncertaintyReport = (() => {
  const normalFactor95 = 1.959963984540054;
  const svgSpace = 'http://www.w3.org/2000/svg';

  const element = (tag, properties = {}, children = []) => {
    const made = Object.assign(document.createElement(tag), properties);
    made.append(...children);
    return made;
  };

  // The decimal places of u's second significant digit; null where u says nothing.
  const decimalsOf = (u) => (u > 0 && Number.isFinite(u) ? Math.max(0, 1 - Math.floor(Math.log10(u)))
    : null);

  function writer(separator) {
    const number = (x, decimals) =>
      (decimals === null ? String(x) : x.toFixed(decimals)).replace('.', separator);
    const listSeparator = separator === ',' ? '; ' : ', ';
    return {
      number,
      interval: ([low, high], decimals) =>
        `[${number(low, decimals)}${listSeparator}${number(high, decimals)}]`,
      twoDigits: (x) => x.toPrecision(2).replace('.', separator),
      percent: (share) => `${(100 * share).toFixed(1).replace('.', separator)} %`,
    };
  }

  const errorLine = ({ number, text }) => `Laufzeitfehler ${number}: ${text}`;

  // One result's row and, where the methods disagree or GUM failed, the note that says why.
  function resultRow(caption, result, write) {
    const { gum, monteCarlo } = result;
    const decimals = decimalsOf(gum.error ? monteCarlo?.u : gum.u);
    const cells = [
      gum.error ? '–' : write.number(gum.estimate, decimals),
      gum.error ? '–' : write.number(gum.u, decimals),
      gum.error ? '–' : write.number(gum.U, decimals),
      monteCarlo ? write.number(monteCarlo.mean, decimals) : '–',
      monteCarlo ? write.number(monteCarlo.u, decimals) : '–',
      monteCarlo ? write.interval(monteCarlo.interval95, decimals) : '–',
      result.agree === undefined ? '–' : (result.agree ? 'ja' : 'nein ⚠'),
    ];
    const row = element('tr', {}, [element('th', { scope: 'row', textContent: caption }),
      ...cells.map((text) => element('td', { textContent: text }))]);
    let note = null;
    if (gum.error) {
      note = `${caption}: GUM nicht berechnet, ${errorLine(gum.error)}`;
    } else if (result.agree === false) {
      const halfWidth = normalFactor95 * gum.u;
      const [low, high] = monteCarlo.interval95;
      note = `${caption}: Die Enden von y ± 1,96·u liegen ${
        write.twoDigits(Math.abs(gum.estimate - halfWidth - low))} und ${
        write.twoDigits(Math.abs(gum.estimate + halfWidth - high))} neben dem 95-%-Intervall (MC), mehr als die Toleranz δ = ${
        write.number(result.tolerance, null)}: Das Ergebnis erster Ordnung ist hier nicht verlässlich.`;
    }
    if (note) row.classList.add('disagree');
    return { row, note };
  }

  const columns = ['Ergebnis', 'Schätzwert', 'u (GUM)', 'U (k = 2)', 'Mittelwert (MC)', 'u (MC)',
    '95-%-Intervall (MC)', 'GUM und MC einig'];

  function resultsTable(uncertainty, outputs, write) {
    const head = element('tr', {}, columns.map((text) => element('th', { scope: 'col', textContent: text })));
    const made = outputs.map(({ name, caption }) =>
      resultRow(caption, uncertainty.results[name], write));
    const table = element('table', { className: 'uncertainty-results' }, [
      element('caption', { textContent: 'Ergebnisse nach GUM und Monte Carlo (MC)' }),
      element('thead', {}, [head]), element('tbody', {}, made.map(({ row }) => row))]);
    const notes = made.map(({ note }) => note).filter(Boolean);
    if (uncertainty.monteCarloNote)
      notes.push('Weniger als 40 Versuche endeten ohne Fehler: keine Monte-Carlo-Werte.');
    return [table, element('ul', { className: 'uncertainty-notes' },
      notes.map((text) => element('li', { textContent: text })))];
  }

  function failedTrials(uncertainty) {
    const { count, errors } = uncertainty.failedTrials;
    const summary = element('p', { className: 'uncertainty-failed', textContent:
      `${uncertainty.trials} Versuche mit Startwert ${uncertainty.seed}, davon fehlgeschlagen: ${count}` });
    const list = element('ul', { className: 'uncertainty-failures' },
      Object.entries(errors).map(([number, { count: times, text }]) =>
        element('li', { textContent: `${errorLine({ number, text })} (${times}-mal)` })));
    return [summary, list];
  }

  // One result's budget: a bar per uncertain input, as long as its share of u².
  function budgetChart(caption, budget, inputs, write) {
    const rows = inputs.filter(({ name }) => name in budget);
    const [rowHeight, labelWidth, barWidth, width] = [20, 82, 140, 290];
    const svg = document.createElementNS(svgSpace, 'svg');
    const height = rows.length * rowHeight + 4;
    for (const [key, text] of Object.entries({ width, height, viewBox: `0 0 ${width} ${height}`,
      role: 'img' }))
      svg.setAttribute(key, text);
    const said = rows.map(({ name }) => `${name} ${write.percent(budget[name])}`).join(', ');
    svg.setAttribute('aria-label', `Budget ${caption}: ${said}`);
    const shape = (tag, attributes, text) => {
      const made = document.createElementNS(svgSpace, tag);
      for (const [key, value] of Object.entries(attributes)) made.setAttribute(key, value);
      if (text !== undefined) made.textContent = text;
      svg.append(made);
    };
    rows.forEach(({ name }, i) => {
      const y = 2 + i * rowHeight;
      const share = budget[name];
      shape('text', { x: labelWidth - 6, y: y + 14, 'text-anchor': 'end' }, name);
      shape('rect', { x: labelWidth, y: y + 3, width: Math.max(1, share * barWidth).toFixed(1),
        height: rowHeight - 6, class: 'share' });
      shape('text', { x: labelWidth + barWidth + 6, y: y + 14 }, write.percent(share));
    });
    return element('figure', {}, [element('figcaption', { textContent: caption }), svg]);
  }

  function budgets(uncertainty, outputs, inputs, write) {
    const charts = outputs.filter(({ name }) => !uncertainty.results[name].gum.error)
      .map(({ name, caption }) =>
        budgetChart(caption, uncertainty.results[name].gum.budget, inputs, write));
    return [element('h3', { textContent: 'Budget: Anteile der Eingaben an u² (GUM)' }),
      element('div', { className: 'uncertainty-budgets' }, charts)];
  }

  return {
    // Fills `container` with the report of `uncertainty`; outputs and inputs are the results
    // and inputs in the window's order, each { name, caption }.
    show(container, uncertainty, { outputs, inputs, separator }) {
      const write = writer(separator);
      container.replaceChildren(...resultsTable(uncertainty, outputs, write),
        ...failedTrials(uncertainty), ...budgets(uncertainty, outputs, inputs, write));
    },
  };
})();
