// Prints the Simplified Chinese country names of i18n-iso-countries as CSV
// lines "code,name" (UTF-8). Argument: the package's langs/zh.json.
'use strict';
const fs = require('fs');

const { countries } = JSON.parse(fs.readFileSync(process.argv[2], 'utf8'));
for (const [code, names] of Object.entries(countries)) {
  // Some entries list alternative names; the first is the usual one.
  const name = Array.isArray(names) ? names[0] : names;
  process.stdout.write(`${code},${name}\n`);
}
