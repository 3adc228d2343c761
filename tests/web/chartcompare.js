'use strict';
// Runs in the page: handed to a driver's evaluate.
// Compares each chart canvas with the same rectangle of a picture of the window (the Qt
// window's grab, or the page's own PNG or SVG of its window, drawn at 1/scale). The window draws
// its lines without anti-aliasing on the whole pixel a coordinate falls in; the canvas
// anti-aliases a line over the pixels it spans. So both are blurred over 3 x 3 pixels, which
// evens out the split, and a pixel of the canvas counts as differing only when no window pixel
// at most one pixel away is within a quarter of the colour cube's diagonal of it. Returns the
// share of differing pixels per surface.
function compareCharts(grabUrl, surfaces, scale) {
  return new Promise((resolve) => {
    const image = new Image();
    image.onload = () => {
      const grab = document.createElement('canvas');
      grab.width = Math.round(image.width / scale);
      grab.height = Math.round(image.height / scale);
      const grabContext = grab.getContext('2d');
      grabContext.drawImage(image, 0, 0, grab.width, grab.height);
      const blurred = ({ data, width, height }) => {
        const out = new Float32Array(width * height * 3);
        for (let y = 0; y < height; ++y)
          for (let x = 0; x < width; ++x)
            for (let c = 0; c < 3; ++c) {
              let sum = 0;
              let n = 0;
              for (let dy = -1; dy <= 1; ++dy)
                for (let dx = -1; dx <= 1; ++dx) {
                  const xx = x + dx;
                  const yy = y + dy;
                  if (xx < 0 || yy < 0 || xx >= width || yy >= height) continue;
                  sum += data[(yy * width + xx) * 4 + c];
                  ++n;
                }
              out[(y * width + x) * 3 + c] = sum / n;
            }
        return out;
      };
      const shares = {};
      for (const { name, left, top } of surfaces) {
        const canvas = document.querySelector(`#${name} canvas`);
        const page = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
        const window = grabContext.getImageData(left + 1, top + 1, canvas.width, canvas.height);
        const a = blurred(page);
        const b = blurred(window);
        const { width, height } = canvas;
        let differing = 0;
        for (let y = 0; y < height; ++y)
          for (let x = 0; x < width; ++x) {
            const i = (y * width + x) * 3;
            let nearest = Infinity;
            for (let dy = -1; dy <= 1; ++dy)
              for (let dx = -1; dx <= 1; ++dx) {
                const xx = x + dx;
                const yy = y + dy;
                if (xx < 0 || yy < 0 || xx >= width || yy >= height) continue;
                const j = (yy * width + xx) * 3;
                nearest = Math.min(nearest,
                                   Math.hypot(a[i] - b[j], a[i + 1] - b[j + 1], a[i + 2] - b[j + 2]));
              }
            if (nearest > 64 * Math.sqrt(3)) ++differing;
          }
        shares[name] = differing / (width * height);
      }
      resolve(shares);
    };
    image.src = grabUrl;
  });
}

module.exports = { compareCharts };
