// SPDX-License-Identifier: MIT
//
// Makes the cases of the differential contrast, colour-vision and .ase test
// from a seeded generator and answers them with independent code: APCA Lc
// by apca-w3 0.1.9 (APCAcontrast(sRGBtoY(text), sRGBtoY(bg))); the Machado,
// Oliveira & Fernandes (2009) matrices at severity 1.0, written here as the
// published literals, on linear-light sRGB that colorjs.io decodes and
// encodes (achromatopsia: the WCAG relative luminance as a grey); .ase files
// by ase-utils, which encodes RGB, Gray and CMYK entries to ASE_FILE and,
// with "decode FILE", checks that Tintora's file holds 224 RGB entries each
// named by its own HTML code.
//   node tools_oracle.mjs [COUNT [ASE_FILE]] > cases.tsv
//   node tools_oracle.mjs decode FILE
// Lines: "apca, r,g,b, r,g,b, Lc"; "KIND, r,g,b, the encoded channels before
// rounding (0..255)"; "ase, entry number, its channels before rounding";
// tab-separated.

import Color from "colorjs.io";
import { APCAcontrast, sRGBtoY } from "apca-w3";
import ase from "ase-utils";
import { readFileSync, writeFileSync } from "node:fs";

if (process.argv[2] === "decode") {
  const { colors } = ase.decode(readFileSync(process.argv[3]));
  const hex = (v) => Math.round(v * 255).toString(16).toUpperCase().padStart(2, "0");
  const bad = colors.filter((c) => c.model !== "RGB" || c.name !== "#" + c.color.map(hex).join(""));
  if (colors.length !== 224 || bad.length > 0) {
    console.error(`ase-utils read ${colors.length} entries; wrong: ${JSON.stringify(bad.slice(0, 3))}`);
    process.exit(1);
  }
  console.log("ase-utils read Tintora's 224 entries, each named by its colour");
  process.exit(0);
}

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
    [0.152286, 1.052583, -0.204868], [0.114503, 0.786281, 0.099216], [-0.003882, -0.048116, 1.051998]],
  deuteranopia: [
    [0.367322, 0.860646, -0.227968], [0.280085, 0.672501, 0.047413], [-0.01182, 0.04294, 0.968881]],
  tritanopia: [
    [1.255528, -0.076749, -0.178779], [-0.078411, 0.930809, 0.147602], [0.004733, 0.691367, 0.3039]],
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
// A palette of 200 entries for the .ase reader; float32 as the file holds it.
const swatches = [];
for (let i = 0; i < 200; ++i) {
  const v = () => Math.fround((next() % 100001) / 100000);
  const model = ["RGB", "Gray", "CMYK"][next() % 3];
  const color = model === "RGB" ? [v(), v(), v()] : model === "Gray" ? [v()] : [v(), v(), v(), v()];
  const rgb =
    model === "RGB"
      ? color
      : model === "Gray"
        ? [color[0], color[0], color[0]]
        : color.slice(0, 3).map((c) => (1 - c) * (1 - color[3]));
  swatches.push({ name: `swatch ${i} ü`, model, color, type: ["global", "spot", "normal"][i % 3] });
  out.push(`ase\t${i}\t${rgb.map((c) => (c * 255).toFixed(9))}`);
}
if (process.argv[3]) writeFileSync(process.argv[3], ase.encode({ colors: swatches }));
process.stdout.write(out.join("\n") + "\n");
