// page.js -- the page around the game's module: the menu bar and its letter keys, the board's canvas
// fitted to the window, the pointer, the keys and the timer handed to the module as the Windows program's
// messages, the boxes and dialogs as modal HTML dialogs, and the page's end. The module calls it through
// Module.cinquorPage.
(function () {
  'use strict';

  var BOARD_WIDTH = 511, BOARD_HEIGHT = 446;  // the client area the board is drawn for
  var PART_COUNT = 26;  // five dice, the pass, fifteen categories, the roll, four texts

  var board = document.getElementById('board');
  var partsArea = document.getElementById('parts');  // the board's parts, laid over it
  var area = document.getElementById('game');
  var dialog = document.getElementById('box');
  var started = false, ended = false, fit = true, paintScheduled = false, timer = null;
  var width = BOARD_WIDTH, height = BOARD_HEIGHT, scale = 1;
  var dialogOpen = false, openMenu = -1, boardShown = false;
  var version = typeof CinquorVersion === 'undefined' ? '' : CinquorVersion;
  var tops = [], menuNodes = [], markItems = [];

  function $(tag, attributes, children) {
    var node = document.createElement(tag);
    for (var name in attributes || {}) {
      if (name === 'text') node.textContent = attributes[name];
      else node.setAttribute(name, attributes[name]);
    }
    (children || []).forEach(function (child) { node.appendChild(child); });
    return node;
  }

  // "&Rejouer": the letter after "&" underlined, as the programs show their mnemonics.
  function mnemonicLabel(label) {
    var span = $('span', { class: 'label' });
    var at = label.indexOf('&');
    span.appendChild(document.createTextNode(at < 0 ? label : label.slice(0, at)));
    if (at >= 0) {
      span.appendChild($('u', { text: label.charAt(at + 1) }));
      span.appendChild(document.createTextNode(label.slice(at + 2)));
    }
    return span;
  }
  function mnemonic(label) {
    var at = label.indexOf('&');
    return at < 0 ? '' : label.charAt(at + 1).toLowerCase();
  }

  // The module is waiting for a file or a picture: events wait too.
  function busy() { return !started || ended || Module.cinquorBusy; }

  // ---- The board's canvas ----

  // The board fills the window below the menu bar, keeping its proportions (a phone's window is seldom
  // shaped like the board), centred; "Initial" gives it its own size.
  function layout() {
    var w = BOARD_WIDTH, h = BOARD_HEIGHT;
    if (fit) {
      var k = Math.min(area.clientWidth / BOARD_WIDTH, area.clientHeight / BOARD_HEIGHT);
      w = BOARD_WIDTH * k;
      h = BOARD_HEIGHT * k;
    }
    width = Math.max(1, Math.floor(w));
    height = Math.max(1, Math.floor(h));
    board.style.width = width + 'px';
    board.style.height = height + 'px';
    board.style.marginLeft = fit ? Math.max(0, Math.floor((area.clientWidth - width) / 2)) + 'px' : '0';
    board.style.marginTop = fit ? Math.max(0, Math.floor((area.clientHeight - height) / 2)) + 'px' : '0';
    partsArea.style.left = board.style.marginLeft;
    partsArea.style.top = board.style.marginTop;
    partsArea.style.width = width + 'px';
    partsArea.style.height = height + 'px';
    var ratio = window.devicePixelRatio || 1;
    var bw = Math.max(1, Math.round(width * ratio)), bh = Math.max(1, Math.round(height * ratio));
    if (board.width !== bw || board.height !== bh) {
      board.width = bw;
      board.height = bh;
    }
    var s = Math.max(1, Math.min(8, Math.round(ratio)));
    if (s !== scale) {
      scale = s;
      if (started) Module._web_scale(s);
    }
  }

  // ---- The board's parts, for screen readers ----
  // The canvas is one picture to assistive technologies: its parts are mirrored by elements laid over it,
  // each where it is drawn, kept in step after each paint. Focus on a control moves the game's keyboard
  // cursor there, its action (a screen reader's click) clicks there, and the cursor moved by the keys takes
  // the focus along while the focus is on the board.
  var partNodes = [];
  var shownParts = [];
  var cursorShown = -1;

  function makeParts() {
    var dice = document.createElement('div');
    dice.setAttribute('role', 'group');
    dice.setAttribute('aria-label', 'Dés');
    var sheet = document.createElement('div');
    sheet.setAttribute('role', 'grid');
    sheet.setAttribute('aria-label', 'Feuille de marque');
    sheet.setAttribute('aria-readonly', 'true');
    var rows = [];
    for (var r = 0; r < 3; r++) {
      rows.push(document.createElement('div'));
      rows[r].setAttribute('role', 'row');
      sheet.appendChild(rows[r]);
    }
    partsArea.append(dice);
    for (var i = 0; i < PART_COUNT; i++) {
      var node;
      if (i < 5 || i === 5 || i === 21) {
        node = document.createElement('button');
        node.type = 'button';
        if (i < 5) node.setAttribute('aria-pressed', 'false');
        (i < 5 ? dice : partsArea).appendChild(node);
        if (i === 5) partsArea.appendChild(sheet);
      } else if (i < 21) {
        node = document.createElement('div');
        node.setAttribute('role', 'gridcell');
        rows[Math.floor((i - 6) / 5)].appendChild(node);
      } else {
        node = document.createElement('p');
        partsArea.appendChild(node);
      }
      if (i < 22) {
        node.tabIndex = -1;
        node.addEventListener('focus', focusPart.bind(null, i));
        node.addEventListener('click', activatePart.bind(null, i));
      }
      partNodes.push(node);
      shownParts.push('');
    }
  }

  function focusPart(target) { if (!busy() && target !== cursorShown) Module._web_focus(target); }
  function activatePart(target) { if (!busy()) Module._web_activate(target); }

  function onBoard() { return document.activeElement === board || partNodes.indexOf(document.activeElement) >= 0; }

  function paint() {
    paintScheduled = false;
    if (ended || !started) return;
    if (Module.cinquorBusy) {  // a picture is being read: the paint comes once it is
      paintScheduled = true;
      setTimeout(paint, 20);
      return;
    }
    var context = CinquorCanvas.window.context;
    context.setTransform(board.width / width, 0, 0, board.height / height, 0, 0);
    Module._web_paint();
  }

  // The page's own "Chargement..." stood in for the board since the first paint; the board, now drawn
  // whole, takes its place, and the focus that a hidden board could not take.
  function showBoard() {
    if (boardShown) return;
    boardShown = true;
    board.classList.add('shown');
    document.getElementById('loading').hidden = true;
    if (!dialogOpen && (document.activeElement === document.body || !document.activeElement)) board.focus();
  }

  function windowResized() {
    fit = true;
    layout();
    page.requestPaint();
  }

  // The page's files are kept on the device for the visits without the network, once the first full frame
  // is up and the browser has a moment: the worker's start and its fetches take nothing from the start.
  function keepOffline() {
    if (!('serviceWorker' in navigator) || !version) return;
    var register = function () {
      navigator.serviceWorker.register('sw.js').catch(function (e) { console.warn('no offline play: ' + e); });
    };
    if (window.requestIdleCallback) requestIdleCallback(register, { timeout: 5000 });
    else setTimeout(register, 1000);
  }

  // ---- The menu ----

  // The menu bar is written in the page, so that it is laid out with the page's first paint; its commands,
  // letter keys and check marks are read from it: each item's command number, its key, its underlined
  // letter and, for the five check items, their bit in the marks.
  var MENUS = [];

  function underlined(node) {
    var u = node.querySelector('u');
    return u ? u.textContent.toLowerCase() : '';
  }

  function wireMenus() {
    var holders = document.getElementById('menubar').children;
    Array.prototype.forEach.call(holders, function (holder, m) {
      var top = holder.querySelector('.top'), list = holder.querySelector('.menu');
      var menu = { mnemonic: underlined(top), items: [] };
      Array.prototype.forEach.call(list.children, function (node) {
        var item = { id: Number(node.dataset.command), key: node.getAttribute('aria-keyshortcuts') || '',
                     mnemonic: underlined(node) };
        if (node.dataset.mark !== undefined) markItems[Number(node.dataset.mark)] = node;
        node.addEventListener('click', function () { command(item.id); });
        menu.items.push(item);
      });
      top.addEventListener('click', function () { openMenu === m ? closeMenus(true) : showMenu(m, false); });
      top.addEventListener('mouseenter', function () { if (openMenu >= 0 && openMenu !== m) showMenu(m, false); });
      tops.push(top);
      menuNodes.push(list);
      MENUS.push(menu);
    });
  }

  function items(m) { return Array.prototype.slice.call(menuNodes[m].children); }

  function showMenu(m, focusFirst) {
    closeMenus(false);
    openMenu = m;
    menuNodes[m].hidden = false;
    tops[m].setAttribute('aria-expanded', 'true');
    (focusFirst ? items(m)[0] : tops[m]).focus();
  }

  function closeMenus(backToBoard) {
    if (openMenu >= 0) {
      menuNodes[openMenu].hidden = true;
      tops[openMenu].setAttribute('aria-expanded', 'false');
    }
    openMenu = -1;
    if (backToBoard) board.focus();
  }

  function command(id) {
    closeMenus(true);
    if (busy() || dialogOpen) return;
    Module._web_command(id);
  }

  function menuKey(e) {
    var list = items(openMenu);
    var at = list.indexOf(document.activeElement);
    switch (e.key) {
      case 'ArrowDown': list[(at + 1) % list.length].focus(); break;
      case 'ArrowUp': list[(at + list.length - 1) % list.length].focus(); break;
      case 'ArrowRight': showMenu((openMenu + 1) % MENUS.length, true); break;
      case 'ArrowLeft': showMenu((openMenu + MENUS.length - 1) % MENUS.length, true); break;
      case 'Escape': var m = openMenu; closeMenus(false); tops[m].focus(); break;
      case 'Home': list[0].focus(); break;
      case 'End': list[list.length - 1].focus(); break;
      case 'Enter': case ' ':
        if (at >= 0) list[at].click(); else list[0].focus();
        break;
      case 'Tab': closeMenus(true); break;
      default:
        var found = MENUS[openMenu].items.filter(function (item) { return item.mnemonic === e.key.toLowerCase(); });
        if (found.length && !e.ctrlKey && !e.metaKey) command(found[0].id);
        else return;  // the browser's own
    }
    e.preventDefault();
  }

  // ---- Keys: the menu's letters first, as Windows translates accelerators; then characters ----

  var CP1252 = { 0x20AC: 0x80, 0x201A: 0x82, 0x0192: 0x83, 0x201E: 0x84, 0x2026: 0x85, 0x2020: 0x86,
                 0x2021: 0x87, 0x02C6: 0x88, 0x2030: 0x89, 0x0160: 0x8A, 0x2039: 0x8B, 0x0152: 0x8C,
                 0x017D: 0x8E, 0x2018: 0x91, 0x2019: 0x92, 0x201C: 0x93, 0x201D: 0x94, 0x2022: 0x95,
                 0x2013: 0x96, 0x2014: 0x97, 0x02DC: 0x98, 0x2122: 0x99, 0x0161: 0x9A, 0x203A: 0x9B,
                 0x0153: 0x9C, 0x017E: 0x9E, 0x0178: 0x9F };
  function windows1252(code) {
    if (code < 0x80 || (code >= 0xA0 && code < 0x100)) return code;
    return CP1252[code] === undefined ? -1 : CP1252[code];
  }
  var CONTROL_KEYS = { Enter: 13, Escape: 27, Backspace: 8 };
  var ARROWS = ['ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown'];  // in the order of the game's keys

  function keyDown(e) {
    if (dialogOpen) return;  // the dialog's own
    if (openMenu >= 0) { menuKey(e); return; }
    if (e.altKey && !e.ctrlKey && !e.metaKey) {
      var m = MENUS.map(function (menu) { return menu.mnemonic; }).indexOf(e.key.toLowerCase());
      if (m >= 0) { showMenu(m, true); e.preventDefault(); }
      return;
    }
    if (e.ctrlKey || e.metaKey || busy()) return;
    var top = tops.indexOf(document.activeElement);
    if (top >= 0 && ['Enter', ' ', 'ArrowDown'].indexOf(e.key) >= 0) { showMenu(top, true); e.preventDefault(); return; }
    if (top >= 0 && (e.key === 'ArrowRight' || e.key === 'ArrowLeft')) {
      var next = (top + (e.key === 'ArrowRight' ? 1 : MENUS.length - 1)) % MENUS.length;
      tops[top].tabIndex = -1;
      tops[next].tabIndex = 0;
      tops[next].focus();
      e.preventDefault();
      return;
    }
    if (e.key === 'Tab') return;  // moves between the menu bar and the board
    var arrow = ARROWS.indexOf(e.key);
    if (arrow >= 0 && !e.shiftKey && !e.altKey) {
      e.preventDefault();
      Module._web_arrow(arrow);
      return;
    }
    if (e.key.length === 1 && !e.shiftKey && !e.altKey) {
      for (var i = 0; i < MENUS.length; i++) {
        for (var j = 0; j < MENUS[i].items.length; j++) {
          if (MENUS[i].items[j].key === e.key.toUpperCase()) {
            e.preventDefault();
            command(MENUS[i].items[j].id);
            return;
          }
        }
      }
    }
    var code = [...e.key].length === 1 ? windows1252(e.key.codePointAt(0)) : CONTROL_KEYS[e.key];
    if (code === undefined || code < 0) return;
    e.preventDefault();
    Module._web_character(code);
  }

  // ---- Boxes and dialogs: modal, the module waiting for their answer while ticks and paints go on ----

  // Opens the page's dialog titled `title` with `body` and its buttons; `escape` is what Escape and the
  // close button answer (undefined: they do nothing); `keys` may take a key first. The buttons come first
  // in the tab order when `buttonsFirst`, shown below the body all the same. Resolves with the answer.
  // A warning or an error is an alert dialog (`alert`).
  function modal(title, body, buttons, escape, keys, buttonsFirst, alert) {
    return new Promise(function (resolve) {
      closeMenus(false);
      dialog.textContent = '';
      var titleId = 'box-title', bodyId = 'box-body';
      var done = false;
      dialog.setAttribute('aria-labelledby', titleId);
      dialog.setAttribute('aria-describedby', bodyId);
      body.id = bodyId;
      dialog.setAttribute('data-title', title);
      if (alert) dialog.setAttribute('role', 'alertdialog');
      else dialog.removeAttribute('role');
      // The title bar's close button is the mouse's; the keyboard has Escape.
      var close = $('button', { class: 'close', type: 'button', 'aria-label': 'Fermer', tabindex: '-1', text: '\u2715' });
      if (escape === undefined) close.disabled = true;
      dialog.appendChild($('div', { class: 'title' }, [$('h2', { id: titleId, text: title }), close]));
      var row = $('div', { class: 'buttons' });
      var nodes = buttons.map(function (b) {
        var node = $('button', { type: 'button' }, [mnemonicLabel(b.label)]);
        node.addEventListener('click', function () { finish(b.answer); });
        row.appendChild(node);
        return node;
      });
      if (buttonsFirst) {
        row.style.order = '1';
        dialog.classList.add('buttons-first');
      }
      dialog.appendChild(buttonsFirst ? row : body);
      dialog.appendChild(buttonsFirst ? body : row);
      function finish(answer) {
        if (answer === null || done) return;  // the button works inside the dialog
        done = true;
        dialog.removeEventListener('keydown', key);
        dialog.removeEventListener('cancel', cancel);
        dialog.removeEventListener('close', closed);
        dialog.close();
        dialog.classList.remove('buttons-first');
        dialogOpen = false;
        if (!ended) board.focus();
        resolve(answer);
      }
      // Tab and Shift+Tab go round the dialog's own controls, in the order of the Windows dialog.
      function wrap(e) {
        var order = Array.prototype.filter.call(dialog.querySelectorAll('button, input'),
                                                function (n) { return n.tabIndex >= 0 && !n.disabled; });
        var at = order.indexOf(document.activeElement);
        var next = at < 0 ? 0 : (at + (e.shiftKey ? order.length - 1 : 1)) % order.length;
        order[next].focus();
        if (order[next].tagName === 'INPUT') order[next].select();  // as Tab selects an edit's text
      }
      function key(e) {
        if (e.key === 'Escape') {
          e.preventDefault();
          if (escape !== undefined) finish(escape);
          return;
        }
        if (e.key === 'Tab' && !e.ctrlKey && !e.altKey && !e.metaKey) {
          e.preventDefault();
          wrap(e);
          return;
        }
        if (keys && keys(e, finish)) { e.preventDefault(); return; }
        var letter = e.key.toLowerCase();
        var hit = buttons.filter(function (b) { return mnemonic(b.label) && mnemonic(b.label) === letter; });
        if (hit.length && !e.ctrlKey && !e.metaKey && (e.altKey || e.target.tagName !== 'INPUT')) {
          e.preventDefault();
          finish(hit[0].answer);
        }
      }
      function cancel(e) { e.preventDefault(); if (escape !== undefined) finish(escape); }
      // The browser closed the dialog by itself (a second Escape, Android's back gesture): it ends as
      // Escape does, and a question that needs its answer is asked again.
      function closed() {
        if (done) return;
        if (escape !== undefined) finish(escape);
        else dialog.showModal();
      }
      close.addEventListener('click', function () { if (escape !== undefined) finish(escape); });
      dialog.addEventListener('keydown', key);
      dialog.addEventListener('cancel', cancel);
      dialog.addEventListener('close', closed);
      dialogOpen = true;
      dialog.showModal();
      nodes[0].focus();
    });
  }

  var ICONS = { 0x10: ['error', '\u2715'], 0x30: ['warning', '!'], 0x40: ['info', 'i'] };

  var page = {
    files: typeof CinquorFiles === 'undefined' ? [] : CinquorFiles,
    // The address of a file of the folder, as this build of the page has it (an address, not a name).
    at: function (address) { return version ? address + '?v=' + version : address; },

    clientWidth: function () { return width; },
    clientHeight: function () { return height; },
    deviceScale: function () { return scale; },
    paintPending: function () { return paintScheduled; },

    // The first full frame is drawn: the board shows, and what the page does for later visits may begin.
    firstFrame: function () {
      showBoard();
      keepOffline();
    },

    requestPaint: function () {
      if (!paintScheduled && started && !ended) {
        paintScheduled = true;
        requestAnimationFrame(paint);
      }
    },

    start: function () {
      // The canvas side of the drawing comes with the module: the board's canvas is its window.
      CinquorCanvas.window = { canvas: board, context: board.getContext('2d', { alpha: false }), scale: 1 };
      started = true;
      board.focus();
    },

    setTimer: function (interval) {
      if (timer !== null) clearInterval(timer);
      timer = null;
      if (interval >= 0) {
        timer = setInterval(function () {
          followRatio();
          if (!busy()) Module._web_tick();
        }, interval);
      }
    },

    setMarks: function (marks) {
      markItems.forEach(function (node, bit) {
        var on = (marks >> bit & 1) === 1;
        node.setAttribute('aria-checked', String(on));
        node.firstChild.textContent = on ? '\u2713' : '';
      });
    },

    announce: function (text) { document.getElementById('status').textContent = text; },

    // The parts as the last frame showed them: the cursor's control, then a line a part, "pressed enabled
    // x y width height name".
    setParts: function (text) {
      if (!partNodes.length) makeParts();
      var lines = text.split('\n');
      var cursor = Number(lines[0]);
      for (var i = 0; i < PART_COUNT; i++) {
        var line = lines[i + 1] || '';
        if (line === shownParts[i]) continue;
        shownParts[i] = line;
        var f = line.split(' ');
        var node = partNodes[i];
        node.textContent = f.slice(6).join(' ');
        if (i < 5) node.setAttribute('aria-pressed', String(f[0] === '1'));
        if (i >= 5 && i < 22) node.setAttribute('aria-disabled', String(f[1] !== '1'));
        node.style.left = (f[2] / BOARD_WIDTH * 100) + '%';
        node.style.top = (f[3] / BOARD_HEIGHT * 100) + '%';
        node.style.width = (f[4] / BOARD_WIDTH * 100) + '%';
        node.style.height = (f[5] / BOARD_HEIGHT * 100) + '%';
      }
      if (cursor !== cursorShown) {
        partNodes.forEach(function (node, i) { if (i < 22) node.tabIndex = i === cursor ? 0 : -1; });
        cursorShown = cursor;
        if (cursor >= 0 && onBoard()) partNodes[cursor].focus();
      }
    },
    // The game's events, each a line of a log that screen readers read as it grows; the last few kept.
    announceEvent: function (text) {
      var log = document.getElementById('events');
      var line = document.createElement('p');
      line.textContent = text;
      log.appendChild(line);
      while (log.childNodes.length > 12) log.removeChild(log.firstChild);
    },

    initialSize: function () {
      fit = false;
      layout();
      page.requestPaint();
    },

    openReadMe: function () { window.open(page.at('lisez-moi.txt'), '_blank', 'noopener'); },

    // The page's farewell; `saved` false when the browser refused to keep the record.
    end: function (saved) {
      ended = true;
      if (!saved) {
        document.getElementById('kept').textContent =
          "Le record et les réglages n'ont pas pu être gardés : le navigateur a refusé de les enregistrer.";
      }
      if (timer !== null) clearInterval(timer);
      area.hidden = true;
      document.getElementById('end').hidden = false;
      document.getElementById('again').focus();
    },

    // A message box: OK (0), OK and Annuler (1) or Oui and Non (4), with its icon. Escape and the close
    // button answer OK or Annuler; a Yes/No question needs one of its buttons, as on Windows.
    box: function (text, caption, style) {
      var buttons = [[{ label: 'OK', answer: 1 }], [{ label: 'OK', answer: 1 }, { label: 'Annuler', answer: 2 }]];
      buttons[4] = [{ label: '&Oui', answer: 6 }, { label: '&Non', answer: 7 }];
      var kind = style & 0x0F;
      var set = buttons[kind] || buttons[0];
      var icon = ICONS[style & 0xF0];
      // The game breaks its lines with a carriage return, as Windows' boxes read them.
      var lines = text.replace(/\r\n?/g, '\n');
      var body = $('div', { class: 'body' }, (icon ? [$('div', { class: 'icon ' + icon[0], 'aria-hidden': 'true', text: icon[1] })] : [])
        .concat([$('div', { class: 'text', text: lines })]));
      var alert = icon !== undefined && icon[0] !== 'info';
      return modal(caption, body, set, kind === 4 ? undefined : kind === 1 ? 2 : 1, undefined, false, alert);
    },

    // The Options dialog: OK applies the three fields, "Effacer record" clears the record at once, "Par
    // défaut" fills the fields with the defaults, "Annuler" and Escape change nothing.
    options: function (timing, rolls, passes) {
      function field(id, value, label) {
        var input = $('input', { id: id, type: 'text', inputmode: 'numeric', maxlength: '99', value: value,
                                 autocomplete: 'off' });
        input.value = value;
        input.addEventListener('beforeinput', function (e) {
          if (e.data && /[^0-9]/.test(e.data)) e.preventDefault();  // digits only, as the Windows edits
        });
        return [$('label', { for: id, text: label }), input];
      }
      var t = field('options-timing', timing, 'Timing:');
      var r = field('options-rolls', rolls, 'Lancers:');
      var p = field('options-passes', passes, 'Unités Passer:');
      var clear = $('button', { type: 'button', text: 'Effacer record' });
      var byDefault = $('button', { type: 'button', text: 'Par défaut' });
      clear.addEventListener('click', function () { Module._web_clear_record(); });
      byDefault.addEventListener('click', function () { t[1].value = '50'; r[1].value = '3'; p[1].value = '0'; });
      // In the tab order of the Windows dialog: OK, Annuler, timing, rolls, "Effacer record", passes,
      // "Par défaut"; laid out as it shows them.
      var grid = $('div', { class: 'fields' }, [t[1], r[1], clear, p[1], byDefault, r[0], p[0], t[0],
        $('span', { text: '(Avancé)' }), $('span', { class: 'credit', text: 'Bon jeu !' })]);
      var place = [[t[1], '3 / 2'], [r[1], '1 / 2'], [clear, '2 / 3'], [p[1], '2 / 2'], [byDefault, '1 / 3'],
                   [r[0], '1 / 1'], [p[0], '2 / 1'], [t[0], '3 / 1'], [grid.children[8], '3 / 3'], [grid.children[9], '4 / 1 / 4 / 4']];
      place.forEach(function (x) { x[0].style.gridArea = x[1]; });
      var body = $('div', { class: 'body' }, [grid]);
      var buttons = [{ label: 'OK', answer: 1 }, { label: 'Annuler', answer: 2 }];
      var enterIsOk = function (e, finish) {
        if (e.key === 'Enter' && e.target.tagName === 'INPUT') { finish(1); return true; }
        return false;
      };
      return modal('Options', body, buttons, 2, enterIsOk, true).then(function (answer) {
        if (answer === 1) Module.ccall('web_apply_options', null, ['string', 'string', 'string'], [t[1].value, r[1].value, p[1].value]);
      });
    },

    about: function (played) {
      var body = $('div', { class: 'about' }, [
        $('img', { src: page.at('cinquor.ico'), width: '32', height: '32', alt: '' }),
        $('span', { text: 'Le cinquor : cinq dés, quinze cases.' }), $('span'),
        $('span'), $('span', { text: 'Bonne chance !' }),
        $('img', { src: page.at('apropos.ico'), width: '32', height: '32', alt: '' }),
        $('span'), $('span', { text: played })]);
      return modal('Le cinquor v 1.14', body, [{ label: 'OK', answer: 1 }], 1);
    },
  };

  wireMenus();
  layout();

  // A change of the device pixel ratio without a resize (a zoom, a window moved to another screen) is
  // followed as a resize is: the board is drawn at the new ratio. The browser says so through a media
  // query; the timer's ticks look too, for a browser that does not.
  var ratio = window.devicePixelRatio || 1;
  function followRatio() {
    if ((window.devicePixelRatio || 1) === ratio) return;
    ratio = window.devicePixelRatio || 1;
    layout();
    page.requestPaint();
  }
  function watchRatio() {
    var query = matchMedia('(resolution: ' + (window.devicePixelRatio || 1) + 'dppx)');
    query.addEventListener('change', function () {
      followRatio();
      watchRatio();
    }, { once: true });
  }
  watchRatio();

  board.addEventListener('pointermove', function (e) {
    if (!busy() && !dialogOpen) Module._web_move(Math.floor(e.offsetX), Math.floor(e.offsetY));
  });
  board.addEventListener('pointerdown', function (e) {
    closeMenus(false);
    board.focus();
    e.preventDefault();
    if (busy() || dialogOpen) return;
    // A finger or a pen comes down where it touches: the board learns the place first, as a mouse's moves tell it.
    if (e.pointerType !== 'mouse') Module._web_move(Math.floor(e.offsetX), Math.floor(e.offsetY));
    Module._web_press(e.button);
  });
  board.addEventListener('pointerup', function (e) {
    if (!busy() && !dialogOpen) Module._web_release(e.button, Math.floor(e.offsetX), Math.floor(e.offsetY));
  });
  board.addEventListener('contextmenu', function (e) { e.preventDefault(); });
  document.addEventListener('keydown', keyDown);
  document.addEventListener('pointerdown', function (e) {
    if (openMenu >= 0 && !e.target.closest('#menubar')) closeMenus(false);
  });
  window.addEventListener('resize', windowResized);
  // The record is kept whenever the player may leave: the page hidden (another tab, the phone's home
  // screen) or closed.
  document.addEventListener('visibilitychange', function () {
    if (document.visibilityState === 'hidden' && started) Module._web_hidden();
  });
  window.addEventListener('pagehide', function () { if (started) Module._web_hidden(); });
  document.getElementById('again').addEventListener('click', function () { location.reload(); });

  // A module that cannot load (a network gone, a server without the .wasm) or that stops on an error says
  // so in French, with a way to try again, instead of a black board under a dead menu.
  function failed() {
    if (!document.getElementById('failed').hidden) return;
    ended = true;
    if (timer !== null) clearInterval(timer);
    if (dialog.open) dialog.close();
    area.hidden = true;
    document.getElementById('end').hidden = true;
    document.getElementById('failed').hidden = false;
    document.getElementById('reload').focus();
  }
  document.getElementById('reload').addEventListener('click', function () { location.reload(); });
  window.addEventListener('error', function (e) {
    var target = e.target;
    if ((target && target.tagName === 'SCRIPT') || (e.error && e.error instanceof WebAssembly.RuntimeError)) failed();
  }, true);
  window.addEventListener('unhandledrejection', function (e) {
    if (e.reason && e.reason instanceof WebAssembly.RuntimeError) failed();
  });

  var query = new URLSearchParams(location.search);
  window.Module = {
    arguments: query.has('config') ? [query.get('config')] : [],
    cinquorPage: page,
    locateFile: function (name) { return page.at(name); },
    onAbort: failed,
    print: function (text) { console.log(text); },
    printErr: function (text) { console.warn(text); },
  };
})();
