// SPDX-License-Identifier: MIT
//
// Makes the cases of the differential contrast and colour-vision test from a
// seeded generator and answers them with independent code:
//   - APCA Lc by apca-w3 0.1.9: APCAcontrast(sRGBtoY(text), sRGBtoY(bg));
//   - the Machado, Oliveira & Fernandes (2009) matrices at severity 1.0,
//     written here as the published literals, applied to linear-light sRGB
//     that colorjs.io decodes and encodes; achromatopsia as the WCAG
//     relative luminance (0.2126, 0.7152, 0.0722) of colorjs.io's linear
//     channels, encoded by colorjs.io as a grey.
//
//   node tools_oracle.mjs [COUNT] > cases.tsv
//
// Lines:
//   apca <tab> r,g,b <tab> r,g,b <tab> Lc (17 significant digits)
//   KIND <tab> r,g,b <tab> the encoded channels before rounding, 0..255

import Color from "colorjs.io";
import { APCAcontrast, sRGBtoY } from "apca-w3";

const count = Number(process.argv[2] || 4000);

let seed = 0x2545f491;
function next() {
  // xorshift32
  seed ^= seed << 13;
  seed >>>= 0;
  seed ^= seed >>> 17;
  seed ^= seed << 5;
  seed >>>= 0;
  return seed;
}
// Mostly uniform channels, some at the ends and near the black threshold.
function channel() {
  const pick = next() % 8;
  if (pick === 0) return [0, 255, 1, 254][next() % 4];
  if (pick === 1) return next() % 48;
  return next() % 256;
}
const colour = () => [channel(), channel(), channel()];

const MATRICES = {
  protanopia: [
    [0.152286, 1.052583, -0.204868],
    [0.114503, 0.786281, 0.099216],
    [-0.003882, -0.048116, 1.051998],
  ],
  deuteranopia: [
    [0.367322, 0.860646, -0.227968],
    [0.280085, 0.672501, 0.047413],
    [-0.01182, 0.04294, 0.968881],
  ],
  tritanopia: [
    [1.255528, -0.076749, -0.178779],
    [-0.078411, 0.930809, 0.147602],
    [0.004733, 0.691367, 0.3039],
  ],
};

const out = [];
// Pairs that must hit every branch: equal, black on white, white on black.
const pairs = [
  [[0, 0, 0], [255, 255, 255]],
  [[255, 255, 255], [0, 0, 0]],
  [[120, 120, 120], [120, 120, 120]],
];
while (pairs.length < count) pairs.push([colour(), colour()]);
for (const [text, bg] of pairs) {
  out.push(`apca\t${text}\t${bg}\t${APCAcontrast(sRGBtoY(text), sRGBtoY(bg)).toPrecision(17)}`);
}

const linear = (rgb) => new Color("srgb", rgb.map((v) => v / 255)).to("srgb-linear").coords;
const encoded = (lin) => new Color("srgb-linear", lin).to("srgb").coords.map((v) => (v * 255).toFixed(9));
for (let i = 0; i < count; ++i) {
  const rgb = i === 0 ? [255, 255, 255] : colour();
  const lin = linear(rgb);
  for (const [kind, m] of Object.entries(MATRICES)) {
    const sim = m.map((row) => row[0] * lin[0] + row[1] * lin[1] + row[2] * lin[2]);
    out.push(`${kind}\t${rgb}\t${encoded(sim)}`);
  }
  const y = 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2];
  out.push(`achromatopsia\t${rgb}\t${encoded([y, y, y])}`);
}
process.stdout.write(out.join("\n") + "\n");
