// Reads an ADIF file with adif-parser-ts and compares it with the expected QSOs: every field of
// every record equal, no field more or less. Usage: node check.mjs FILE.adi EXPECTED.json VERSION
import parser from 'adif-parser-ts';
import { readFileSync } from 'node:fs';

const [file, expectedFile, version] = process.argv.slice(2);
// The file is 8-bit text: one byte, one character, so the parser's lengths count bytes.
const adif = parser.AdifParser.parseAdi(readFileSync(file, 'latin1'));
const expected = JSON.parse(readFileSync(expectedFile, 'utf8'));
const problems = [];

const header = adif.header ?? {};
if (!/^3\.1\.\d+$/.test(header.adif_ver ?? '')) problems.push(`ADIF_VER is ${header.adif_ver}`);
if (header.programid !== 'Kerolt') problems.push(`PROGRAMID is ${header.programid}`);
if (header.programversion !== version) problems.push(`PROGRAMVERSION is ${header.programversion}`);
if (!/^\d{8} \d{6}$/.test(header.created_timestamp ?? ''))
  problems.push(`CREATED_TIMESTAMP is ${header.created_timestamp}`);

const records = adif.records ?? [];
if (records.length !== expected.length)
  problems.push(`${records.length} records, expected ${expected.length}`);
expected.forEach((want, i) => {
  const got = records[i] ?? {};
  for (const key of new Set([...Object.keys(want), ...Object.keys(got)])) {
    if (got[key] !== want[key]) problems.push(`QSO ${i + 1} ${key}: ${got[key]}, expected ${want[key]}`);
  }
});

if (problems.length) {
  console.error(problems.join('\n'));
  process.exit(1);
}
console.log(`${file}: ${records.length} QSOs read back equal by adif-parser-ts`);
