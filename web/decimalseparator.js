'use strict';
// The decimal separator the results are written with, as the window takes it from the regional
// settings: that of the first of the browser's languages that names a locale the browser knows,
// else that of the browser's own default locale, else the point. A language that is no tag
// ("C" from a C locale, an empty text) or names no known locale is passed over; nothing here
// throws.
function decimalSeparatorOf(languages) {
  const knownLocale = (language) => () => {
    const [locale] = Intl.getCanonicalLocales(language);
    return Intl.NumberFormat.supportedLocalesOf(locale).length ? new Intl.NumberFormat(locale) : null;
  };
  const formats = [...languages.map(knownLocale), () => new Intl.NumberFormat()];
  for (const format of formats) {
    try {
      const decimal = format()?.formatToParts(1.5).find((part) => part.type === 'decimal');
      if (decimal) return decimal.value;
    } catch {
      // no language tag: the next one
    }
  }
  return '.';
}
