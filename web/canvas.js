// canvas.js -- the browser side of the drawing seam (draw.cpp calls it): every surface's pixels
// live in a canvas; a pixel section also has a copy in the module's memory, which the per-pixel blends
// write, and the two are brought into step whenever the other side is about to be used.
var CinquorCanvas = {
  canvases: [null],  // by handle; 0 is no canvas
  window: null,      // the page's board canvas, set by the page
  fontCache: {},

  // Windows' names of the board's fonts, and the families that have the same metrics: the system's own
  // where it has them, else the free look-alikes a Linux or Android system carries.
  families: {
    'arial': 'Arial, "Liberation Sans", Arimo, Helvetica, sans-serif',
    'verdana': 'Verdana, "DejaVu Sans", "Bitstream Vera Sans", sans-serif',
    'times new roman': '"Times New Roman", "Liberation Serif", Tinos, Times, serif',
    'courier new': '"Courier New", "Liberation Mono", Cousine, monospace',
    'tahoma': 'Tahoma, "DejaVu Sans", Verdana, sans-serif',
    'georgia': 'Georgia, "DejaVu Serif", serif',
  },

  // A canvas of width x height board pixels at `scale` device pixels each, opaque black; its handle.
  create: function (width, height, scale, pixels) {
    var canvas = document.createElement('canvas');
    canvas.width = width * scale;
    canvas.height = height * scale;
    // Without alpha a new canvas is opaque black already.
    var context = canvas.getContext('2d', { alpha: false, willReadFrequently: pixels !== 0 });
    context.setTransform(scale, 0, 0, scale, 0, 0);
    var c = { canvas: canvas, context: context, scale: scale, pixels: pixels, memoryNewer: null };
    this.canvases.push(c);
    return this.canvases.length - 1;
  },

  // A canvas no surface draws into any more: its pixels go now, not when the collector comes by.
  destroy: function (handle) {
    var c = this.canvases[handle];
    if (!c) return;
    c.canvas.width = 0;
    c.canvas.height = 0;
    this.canvases[handle] = null;
  },


  // The canvas of a handle, the rectangle the game wrote in its memory copy first put back.
  get: function (handle) {
    var c = this.canvases[handle];
    if (c && c.memoryNewer) this.push(c);
    return c;
  },

  // The rectangle of device pixels where memory is newer, back to the canvas: the same RGBA bytes (the
  // blends leave the opaque alpha as it came).
  push: function (c) {
    var r = c.memoryNewer, w = c.canvas.width;
    c.memoryNewer = null;
    var rows = new Uint8ClampedArray(HEAPU8.buffer, c.pixels + r.y * w * 4, r.h * w * 4);
    c.context.putImageData(new ImageData(rows, w, r.h), 0, r.y, r.x, 0, r.w, r.h);
  },

  // A rectangle of the canvas's device pixels into its memory copy, row by row.
  pull: function (c, r) {
    var w = c.canvas.width;
    var data = c.context.getImageData(r.x, r.y, r.w, r.h).data;
    for (var row = 0; row < r.h; row++) {
      HEAPU8.set(data.subarray(row * r.w * 4, (row + 1) * r.w * 4), c.pixels + ((r.y + row) * w + r.x) * 4);
    }
  },

  // Before the game reads or writes a rectangle of the board's memory (board pixels): the canvas, newer
  // everywhere once memory's last rectangle is back, hands over that rectangle, which memory then holds
  // the newer pixels of until the canvas is used again.
  flush: function (handle, x, y, width, height) {
    var c = this.canvases[handle];
    if (!c || !c.pixels) return;
    if (c.memoryNewer) this.push(c);
    var k = c.scale;
    var left = Math.max(0, x * k), top = Math.max(0, y * k);
    var right = Math.min(c.canvas.width, (x + width) * k), bottom = Math.min(c.canvas.height, (y + height) * k);
    if (right <= left || bottom <= top) return;
    var r = { x: left, y: top, w: right - left, h: bottom - top };
    this.pull(c, r);
    c.memoryNewer = r;
  },

  colour: function (c) {
    return 'rgb(' + (c & 0xFF) + ',' + ((c >>> 8) & 0xFF) + ',' + ((c >>> 16) & 0xFF) + ')';
  },

  // Runs `draw(context)` on a canvas with its own state put back afterwards.
  on: function (handle, draw) {
    var c = handle === 0 ? this.window : this.get(handle);
    if (!c) return;
    var x = c.context;
    x.save();
    draw(x, c);
    x.restore();
  },

  fill: function (handle, left, top, right, bottom, colour) {
    var self = this;
    this.on(handle, function (x) {
      x.fillStyle = self.colour(colour);
      x.fillRect(left, top, right - left, bottom - top);
    });
  },

  // A rectangle of `source` (board pixels) onto `target`, clipped to the target rectangle: a copy, or a
  // blend at constant alpha.
  copy: function (target, x0, y0, width, height, source, sx, sy, alpha) {
    var s = this.get(source);
    if (!s) return;
    this.on(target, function (x, t) {
      x.imageSmoothingEnabled = false;
      x.globalAlpha = alpha;
      if (t.scale === s.scale && target !== 0) {
        // Device pixel for device pixel, without a transform: the browser's fastest copy.
        var k = t.scale;
        x.setTransform(1, 0, 0, 1, 0, 0);
        x.beginPath();
        x.rect(x0 * k, y0 * k, width * k, height * k);
        x.clip();
        x.drawImage(s.canvas, (x0 - sx) * k, (y0 - sy) * k);
        return;
      }
      x.beginPath();
      x.rect(x0, y0, width, height);
      x.clip();
      x.drawImage(s.canvas, x0 - sx, y0 - sy, s.canvas.width / s.scale, s.canvas.height / s.scale);
    });
  },

  stretch: function (target, width, height, source, sourceWidth, sourceHeight, smooth) {
    var s = this.get(source);
    if (!s) return;
    this.on(target, function (x) {
      var k = s.scale;
      // Past the source's edge its last pixels go on, as Cairo's padding and GDI's clipping show.
      var w = Math.min(sourceWidth, s.canvas.width / k), h = Math.min(sourceHeight, s.canvas.height / k);
      // One to one, smoothing changes no pixel and only costs.
      var t = x.getTransform();
      x.imageSmoothingEnabled = smooth && (width !== sourceWidth || height !== sourceHeight || t.a !== k);
      // Shrunk (a phone's board drawn at scale 2 into 1.75 device pixels a board pixel), the bilinear
      // filter leaves what the eye sees for a third or a quarter of the cubic one's cost at every frame;
      // the cubic one is kept for the enlargements, where it shows.
      var dw = width * w / sourceWidth, dh = height * h / sourceHeight;
      x.imageSmoothingQuality = dw * t.a > w * k || dh * t.d > h * k ? 'high' : 'low';
      x.drawImage(s.canvas, 0, 0, w * k, h * k, 0, 0, dw, dh);
    });
  },

  // target OR source, byte for byte, in device pixels, cut to both canvases.
  or: function (target, x0, y0, width, height, source, sx, sy) {
    var t = this.get(target), s = this.get(source);
    if (!t || !s) return;
    var k = t.scale;
    var dx = x0 * k, dy = y0 * k, sx0 = sx * k, sy0 = sy * k;
    var left = Math.max(0, dx, dx - sx0), top = Math.max(0, dy, dy - sy0);
    var right = Math.min(dx + width * k, t.canvas.width, dx - sx0 + s.canvas.width);
    var bottom = Math.min(dy + height * k, t.canvas.height, dy - sy0 + s.canvas.height);
    if (right <= left || bottom <= top) return;
    var w = right - left, h = bottom - top;
    var a = t.context.getImageData(left, top, w, h);
    var b = s.context.getImageData(left - dx + sx0, top - dy + sy0, w, h);
    var pa = new Uint32Array(a.data.buffer), pb = new Uint32Array(b.data.buffer);
    for (var i = 0; i < pa.length; i++) pa[i] = pa[i] | pb[i];
    t.context.putImageData(a, left, top);
  },

  // What a font of GDI's cell height `height` is in CSS: the size in pixels and the ascent. The cell is
  // the font's ascent plus descent: measured once at 100 pixels, then scaled.
  font: function (face, height, weight, italic) {
    var key = face + '|' + weight + '|' + italic;
    var family = this.families[face.toLowerCase()] || (face ? '"' + face.replace(/"/g, '') + '", sans-serif' : 'sans-serif');
    var style = (italic ? 'italic ' : '') + (weight <= 0 ? 400 : Math.min(1000, Math.max(1, weight))) + ' ';
    var m = this.fontCache[key];
    if (!m) {
      var probe = this.probe || (this.probe = document.createElement('canvas').getContext('2d'));
      probe.font = style + '100px ' + family;
      var t = probe.measureText('Hg');
      var ascent = t.fontBoundingBoxAscent || 90, descent = t.fontBoundingBoxDescent || 21;
      m = this.fontCache[key] = { ascent: ascent / 100, cell: (ascent + descent) / 100 };
    }
    var wanted = height === 0 ? 16 : Math.min(Math.abs(height), 4096);
    var size = Math.max(1, height < 0 ? wanted : wanted / m.cell);
    return { css: style + size + 'px ' + family, ascent: m.ascent * size, descent: (m.cell - m.ascent) * size, size: size };
  },

  // Text with the top-left corner of its cell at (x, y), turned `escapement` tenths of a degree
  // counter-clockwise about that point; an opaque background fills the cell first.
  text: function (target, x0, y0, text, face, height, weight, italic, underline, strikeOut, escapement,
                  colour, backColour, opaque) {
    var f = this.font(face, height, weight, italic);
    var self = this;
    this.on(target, function (x) {
      x.translate(x0, y0);
      if (escapement) x.rotate(-escapement * Math.PI / 1800);
      x.font = f.css;
      x.textBaseline = 'alphabetic';
      var width = x.measureText(text).width;
      if (opaque) {
        x.fillStyle = self.colour(backColour);
        x.fillRect(0, 0, Math.ceil(width), Math.ceil(f.ascent + f.descent));
      }
      x.fillStyle = self.colour(colour);
      x.fillText(text, 0, f.ascent);
      var thickness = Math.max(1, Math.round(f.size / 14));
      if (underline) x.fillRect(0, Math.round(f.ascent + f.descent / 3), width, thickness);
      if (strikeOut) x.fillRect(0, Math.round(f.ascent * 0.65), width, thickness);
    });
  },

  // A decoded picture drawn into the rectangle: fitted to its board pixels smoothly, then onto the
  // device's pixels smoothly or pixel for pixel.
  picture: function (target, picture, x0, y0, width, height, smooth) {
    // Already of the rectangle's size (the looks' pictures are), it is its own fitted copy: no canvas
    // to make, which costs a phone more than the drawing itself.
    var fitted = picture.width === width && picture.height === height ? picture : this.fitted(picture, width, height);
    this.on(target, function (x) {
      x.imageSmoothingEnabled = smooth;
      x.drawImage(fitted, x0, y0, width, height);
    });
  },

  fitted: function (picture, width, height) {
    var fitted = document.createElement('canvas');
    fitted.width = width;
    fitted.height = height;
    var f = fitted.getContext('2d');
    f.imageSmoothingQuality = 'high';
    f.drawImage(picture, 0, 0, width, height);
    return fitted;
  },

  // 0x00BBGGRR of the device pixel (px, py) of a canvas, for the tests.
  pixel: function (handle, px, py) {
    var c = this.get(handle);
    if (!c || px < 0 || py < 0 || px >= c.canvas.width || py >= c.canvas.height) return -1;
    var d = c.context.getImageData(px, py, 1, 1).data;
    return d[0] | (d[1] << 8) | (d[2] << 16);
  },
};
