// The page's side of Tarvo's windows: the elements of each window, the label
// layer painted on a canvas, the boxes' character limit, the windows inside the
// page, the modal boxes and the live region. The rules themselves (where a
// caption breaks, how much of an edit fits, what a screen reader hears) are the
// C++ layer's; this file only measures, draws and reports.
//
// Bundled into the module's script (--pre-js): `Module` is the module.

const TarvoPage = (() => {
    const windows = new Map();  // by the id the C++ window gave itself
    let mainWindow = null;  // the first window made: the program's own
    let frontZ = 1;
    let busy = false;  // a handler runs, or waits for a modal box
    const measuring = document.createElement('canvas').getContext('2d');

    function element(tag, className, parent) {
        const made = document.createElement(tag);
        if (className)
            made.className = className;
        if (parent)
            parent.append(made);
        return made;
    }

    function place(made, left, top, width, height) {
        const length = value => (typeof value === 'number' ? `${value}px` : value);
        Object.assign(made.style, {left: length(left), top: length(top), width: length(width), height: length(height)});
    }

    // ---- Into the module. One handler at a time, to its end: while one runs or
    // waits for a modal box, whatever else arrives (a second click, a key, a
    // synthetic click()) is dropped.

    function dispatch(name, ...args) {
        if (busy)
            return;
        busy = true;
        const types = args.map(arg => (typeof arg === 'string' ? 'string' : 'number'));
        Promise.resolve(Module.ccall(name, null, types, args, {async: true})).finally(() => {
            busy = false;
        });
    }

    // How many leading UTF-16 units of `inserted` fit into `text` in place of
    // [start, end), whole characters only, `limit` characters in all.
    function fittingUnits(limit, text, start, end, inserted) {
        if (limit === 0)
            return inserted.length;
        const memory = Module._malloc(2 * (text.length + inserted.length));
        try {
            const units = (text + inserted).split('').map(unit => unit.charCodeAt(0));
            HEAPU16.set(units, memory >> 1);
            return Module._tarvo_fitting_units(memory, text.length, start, end, memory + 2 * text.length,
                                               inserted.length, limit);
        } finally {
            Module._free(memory);
        }
    }

    // ---- Windows

    function bringToFront(win) {
        win.root.style.zIndex = String(++frontZ);
    }

    function focusables(win) {
        return win.focusOrder.map(control => control.element).filter(made => made.isConnected);
    }

    function focusAndSelect(made) {
        made.focus();
        if (made.tagName === 'INPUT')
            made.select();
    }

    // Tab and Shift+Tab go round the window's own controls, as in a desktop window.
    function moveFocus(win, event) {
        const chain = focusables(win);
        if (chain.length === 0)
            return;
        event.preventDefault();
        const at = chain.indexOf(document.activeElement);
        const step = event.shiftKey ? -1 : 1;
        focusAndSelect(chain[(at + step + chain.length) % chain.length]);
    }

    function clamp(value, low, high) {
        return Math.max(low, Math.min(value, high));
    }

    function moveTo(win, left, top) {
        win.left = left;
        win.top = top;
        win.root.style.transform = `translate(${left}px, ${top}px) scale(${win.scale})`;
    }

    // Keeps a window within the visible part of the page: across, all of it
    // that fits; down, all of it that fits where `whole`, else its title bar,
    // by which it moves.
    function position(win, left, top, whole) {
        const view = desktop();
        const width = win.root.offsetWidth * win.scale;
        const height = (whole ? win.root : win.titleBar || win.root).offsetHeight * win.scale;
        moveTo(win, clamp(left, view.scrollLeft, view.scrollLeft + Math.max(0, view.clientWidth - width)),
               clamp(top, view.scrollTop, view.scrollTop + Math.max(0, view.clientHeight - height)));
    }

    function setScale(win, scale) {
        win.scale = scale;
        win.root.style.setProperty('--tarvo-scale', String(scale));
    }

    // Moves the controls to the window's arrangement of that name.
    function arrange(win, name) {
        const chosen = win.arrangements[name];
        win.size = {width: chosen.width, height: chosen.height};
        place(win.client, 0, 0, chosen.width, chosen.height);
        place(win.layer, 0, 0, chosen.width, chosen.height);
        chosen.places.forEach((corner, control) => {
            const record = win.controls.get(control);
            Object.assign(record, corner);
            Object.assign(record.element.style, {left: `${corner.left}px`, top: `${corner.top}px`});
        });
    }

    function layOutPage() {
        if (!mainWindow)
            return;
        const chosen = TarvoLayout.mainWindow(mainWindow.arrangements);
        arrange(mainWindow, chosen.name);
        setScale(mainWindow, chosen.scale);
        const corner = TarvoLayout.centred(mainWindow.root.offsetWidth * chosen.scale,
                                           mainWindow.root.offsetHeight * chosen.scale);
        moveTo(mainWindow, corner.left, corner.top);
        for (const win of windows.values()) {
            if (win !== mainWindow) {
                setScale(win, TarvoLayout.fit(win.size));
                position(win, win.left, win.top, true);
            }
            paint(win);
        }
        TarvoLayout.laidOut();
    }

    function viewportChanged() {
        if (!TarvoLayout.keyboardOnly())
            layOutPage();
    }

    function dragByTitleBar(win, titleBar) {
        titleBar.addEventListener('pointerdown', down => {
            if (down.button !== 0 || down.target.closest('button'))
                return;
            titleBar.setPointerCapture(down.pointerId);
            const from = {x: down.clientX - win.left, y: down.clientY - win.top};
            const move = event => position(win, event.clientX - from.x, event.clientY - from.y, false);
            titleBar.addEventListener('pointermove', move);
            titleBar.addEventListener('lostpointercapture', () => titleBar.removeEventListener('pointermove', move),
                                      {once: true});
        });
    }

    // A title bar: the caption, labelling `owner`, and a close button.
    function addTitleBar(owner, caption, captionId) {
        const bar = element('div', 'tarvo-title', owner);
        const title = element('span', null, bar);
        title.id = captionId;
        title.textContent = caption;
        owner.setAttribute('aria-labelledby', captionId);
        const close = element('button', 'tarvo-close', bar);
        close.type = 'button';
        close.textContent = '×';
        close.setAttribute('aria-label', '关闭');
        return {bar, close};
    }

    // `described`: {name, caption, width, height, notice}: a notice is a window
    // inside the page, a dialog that its labels describe.
    function createWindow(id, described) {
        const notice = described.notice;
        const root = element('div', notice ? 'tarvo-window tarvo-notice' : 'tarvo-window tarvo-main', desktop());
        root.dataset.name = described.name;
        // controls: a record per control, by its table name, in table order.
        const win = {id, root, notice, controls: new Map(), focusOrder: [], lastFocus: null, left: 0, top: 0, scale: 1,
                     arrangements: {table: {width: described.width, height: described.height, places: new Map()}}};
        if (notice) {
            // A window inside the page: a title bar to move it by and to close it.
            root.setAttribute('role', 'dialog');
            root.tabIndex = -1;
            const {bar, close} = addTitleBar(root, described.caption, `tarvo-title-${id}`);
            close.addEventListener('click', () => dispatch('tarvo_closed', id));
            win.focusOrder.push({element: close});
            dragByTitleBar(win, bar);
            win.titleBar = bar;
        } else {
            root.setAttribute('role', 'main');
            root.setAttribute('aria-label', described.caption);
            document.title = described.caption;
        }
        win.client = element('div', 'tarvo-client', root);
        place(win.client, 0, 0, described.width, described.height);
        win.client.style.position = 'relative';
        win.layer = element('canvas', 'tarvo-layer', win.client);
        win.layer.setAttribute('aria-hidden', 'true');
        place(win.layer, 0, 0, described.width, described.height);
        win.size = {width: described.width, height: described.height};
        root.addEventListener('keydown', event => {
            if (event.key === 'Tab' && !event.altKey && !event.ctrlKey && !event.metaKey)
                moveFocus(win, event);
            else if (notice && event.key === 'Escape' && !event.shiftKey && !event.altKey && !event.ctrlKey) {
                event.preventDefault();
                dispatch('tarvo_closed', id);
            }
        });
        root.addEventListener('pointerdown', () => bringToFront(win), true);
        keepFocusOnClick(root, () => win.lastFocus || focusables(win)[0] || root);
        root.addEventListener('focusin', event => {
            win.lastFocus = event.target;
        });
        windows.set(id, win);
        if (!mainWindow) {
            mainWindow = win;
            addEventListener('resize', viewportChanged);
            watchDensity();
            // New system colours paint the label layers again.
            for (const query of ['(forced-colors: active)', '(prefers-color-scheme: dark)'])
                matchMedia(query).addEventListener('change', layOutPage);
        }
    }

    // A query for the density the screen has now: once it changes, the label
    // layer is painted afresh and the query is made again for the new one.
    function watchDensity() {
        matchMedia(`(resolution: ${devicePixelRatio}dppx)`).addEventListener('change', () => {
            viewportChanged();
            watchDensity();
        }, {once: true});
    }

    // A click on what takes no focus (a label, a blank part, the dimmed page
    // behind a modal box) leaves the focus where it is, as on the desktop; on
    // a window that does not have it, it goes to `inside()`.
    function keepFocusOnClick(area, inside) {
        area.addEventListener('mousedown', event => {
            if (event.target.closest('input, button'))
                return;
            event.preventDefault();
            if (!area.contains(document.activeElement))
                inside().focus();
        });
    }

    function destroyWindow(id) {
        const win = windows.get(id);
        windows.delete(id);
        const hadFocus = win.root.contains(document.activeElement);
        win.root.remove();
        if (hadFocus && mainWindow && windows.has(mainWindow.id))
            (mainWindow.lastFocus || mainWindow.root).focus();
    }

    function showWindow(id) {
        const win = windows.get(id);
        const first = !win.root.classList.contains('tarvo-shown');
        win.root.classList.add('tarvo-shown');
        bringToFront(win);
        if (win === mainWindow) {
            layOutPage();
        } else if (first) {
            // Beside the main window where the viewport has room, hiding none of
            // its controls, else from its corner; a step further for each open one.
            setScale(win, TarvoLayout.fit(win.size));
            const step = 32 * win.scale * ([...windows.values()].filter(other => other.root.classList.contains('tarvo-shown')).length - 1);
            const beside = mainWindow.left + mainWindow.root.offsetWidth * mainWindow.scale + TarvoLayout.margin;
            const left = beside + win.root.offsetWidth * win.scale <= innerWidth - TarvoLayout.margin ? beside : mainWindow.left;
            position(win, left + step, mainWindow.top + step, true);
            paint(win);
        }
        if (win === mainWindow) {
            const first = focusables(win)[0];
            if (first) {
                first.focus();
                // Selected from its end back to its start: Orca, finding the caret at
                // the start of the page's first box as the page loads, stays in it in
                // focus mode, where typing goes into the box, instead of reading aloud.
                if (first.tagName === 'INPUT')
                    first.setSelectionRange(0, first.value.length, 'backward');
            }
            performance.mark('tarvo-ready');  // handlers run from here on: what bench/web/run waits for
        } else {
            win.root.focus();
        }
    }

    // ---- Controls. `control`, as the module builds it: {name, left, top,
    // width, height, font} and what its kind adds. Its record in the window's
    // map keeps it, its element and the state the page keeps for it.

    function addControl(id, control, tag, className, kind) {
        const win = windows.get(id);
        const made = element(tag, className, win.client);
        place(made, control.left, control.top, control.width, control.height);
        made.dataset.name = control.name;
        const record = Object.assign({kind, element: made}, control);
        win.controls.set(control.name, record);
        if (control.order >= 0) {
            win.focusOrder.push(record);
            win.focusOrder.sort((one, other) => one.order - other.order);
        }
        return record;
    }

    // Screen readers follow the elements, so they go in the window's reading
    // order; their z-index keeps the table's stacking, labels beneath the rest.
    function setReadingOrder(id, names) {
        const win = windows.get(id);
        const stacked = [...win.controls.values()];
        const isLabel = control => control.kind === 'label';
        [...stacked.filter(isLabel), ...stacked.filter(control => !isLabel(control))].forEach((control, index) => {
            control.element.style.zIndex = String(index + 1);
        });
        for (const name of names)
            win.client.append(win.controls.get(name).element);
    }

    // A slot's menu, opened by the context menu or a long press, copies its
    // whole caption, the part cut off too. It stays within the viewport, and
    // the focus goes back where it was once it closes.
    let menuOpen = false;

    function openCopyMenu(record, x, y) {
        menuOpen = true;
        const returnTo = document.activeElement;
        const menu = element('div', 'tarvo-menu', document.body);
        menu.setAttribute('role', 'menu');
        const item = element('button', 'tarvo-menu-item', menu);
        item.type = 'button';
        item.setAttribute('role', 'menuitem');
        item.textContent = '复制';
        // Without a secure origin there is no clipboard to write to.
        item.disabled = record.caption === '' || !navigator.clipboard;
        place(menu, 0, 0, 'auto', 'auto');
        place(menu, clamp(x, 0, innerWidth - menu.offsetWidth), clamp(y, 0, innerHeight - menu.offsetHeight), 'auto',
              'auto');
        const close = () => {
            const hadFocus = menu.contains(document.activeElement);
            menu.remove();
            removeEventListener('pointerdown', outside, true);
            removeEventListener('keydown', escape, true);
            menuOpen = false;
            if (hadFocus && returnTo)
                returnTo.focus();
        };
        const outside = down => {
            if (!menu.contains(down.target))
                close();
        };
        // Escape closes the menu alone, wherever the focus is: a disabled item takes none.
        const escape = key => {
            if (key.key !== 'Escape')
                return;
            key.preventDefault();
            key.stopPropagation();
            close();
        };
        addEventListener('pointerdown', outside, true);
        addEventListener('keydown', escape, true);
        item.addEventListener('click', () => {
            if (item.getAttribute('aria-disabled') === 'true')
                return;
            // A refusal says so in the menu, which stays until dismissed.
            navigator.clipboard.writeText(record.caption).then(close, () => {
                item.textContent = '无法复制';
                item.setAttribute('aria-disabled', 'true');
            });
        });
        item.focus();
    }

    const longPress = 500;  // ms a finger rests on a slot to open its menu
    const longPressSlack = 10;  // CSS pixels it may drift meanwhile

    function offerCopy(record) {
        const label = record.element;
        label.addEventListener('contextmenu', event => {
            event.preventDefault();
            if (!menuOpen)
                openCopyMenu(record, event.clientX, event.clientY);
        });
        // Safari sends no contextmenu for a finger: the press is timed here.
        label.addEventListener('pointerdown', down => {
            if (down.pointerType === 'mouse')
                return;
            const timer = setTimeout(() => {
                if (!menuOpen)
                    openCopyMenu(record, down.clientX, down.clientY);
            }, longPress);
            const stop = () => {
                clearTimeout(timer);
                label.removeEventListener('pointerup', stop);
                label.removeEventListener('pointercancel', stop);
                label.removeEventListener('pointermove', drift);
            };
            const drift = move => {
                if (Math.hypot(move.clientX - down.clientX, move.clientY - down.clientY) > longPressSlack)
                    stop();
            };
            label.addEventListener('pointerup', stop);
            label.addEventListener('pointercancel', stop);
            label.addEventListener('pointermove', drift);
        });
    }

    // A label adds {em, background, drawnOnly, copyable}; its caption is drawn
    // on the window's label layer.
    function addLabel(id, label) {
        const record = addControl(id, label, 'div', 'tarvo-label', 'label');
        record.caption = '';
        record.lines = [];
        if (label.drawnOnly)
            record.element.setAttribute('aria-hidden', 'true');
        else
            element('span', 'tarvo-hidden', record.element);
        const win = windows.get(id);
        if (win.notice) {
            // Its labels hold a notice's text, once: they describe the dialog too.
            record.element.id = `tarvo-text-${id}-${label.name}`;
            const described = win.root.getAttribute('aria-describedby');
            win.root.setAttribute('aria-describedby', described ? `${described} ${record.element.id}` : record.element.id);
        }
        if (label.copyable)
            offerCopy(record);
    }

    // A text box adds {text, limit, order, accessibleName, description}.
    function addTextBox(id, box) {
        const record = addControl(id, box, 'input', 'tarvo-box', 'box');
        const made = record.element;
        Object.assign(made, {type: 'text', value: box.text, autocomplete: 'off', spellcheck: false});
        made.setSelectionRange(0, 0);  // where Orca looks for the caret while the page loads (see showWindow)
        // Coefficients may be written 2e3 or &HFF: the full keyboard, minus sign and all.
        made.setAttribute('autocapitalize', 'off');
        made.setAttribute('autocorrect', 'off');
        made.style.font = box.font;
        made.setAttribute('aria-label', box.accessibleName);
        if (box.description)
            made.setAttribute('aria-description', box.description);
        keepWithinLimit(record);
        made.addEventListener('click', () => dispatch('tarvo_clicked', id, box.name));
    }

    // A button adds {caption, order}.
    function addButton(id, button) {
        const made = addControl(id, button, 'button', 'tarvo-button', 'button').element;
        made.type = 'button';
        made.textContent = button.caption;
        made.style.font = button.font;
        made.addEventListener('click', () => dispatch('tarvo_clicked', id, button.name));
    }

    // Once a window's controls are there: their places now are the table's.
    function addUprightArrangement(id, width, height) {
        const win = windows.get(id);
        win.controls.forEach((record, name) => win.arrangements.table.places.set(name, {left: record.left, top: record.top}));
        win.arrangements.upright = {width, height, places: new Map()};
    }

    function placeUpright(id, name, left, top) {
        windows.get(id).arrangements.upright.places.set(name, {left, top});
    }

    // ---- The boxes' limit. Typing, pasting, dropping and the replacements of
    // spelling help arrive as beforeinput, which a refusal cancels whole; the
    // part that fits goes in as an edit of its own. An input method's
    // composition cannot be cancelled: once it ends, what does not fit is cut.
    // The browser's own undo would replay the composition uncut, so a box
    // keeps its own history of what it held, every state within the limit.

    function insertedText(event) {
        // (No ?. or ??: emscripten's script optimiser predates them.)
        let text = event.data;
        if (text === null)
            text = event.dataTransfer ? event.dataTransfer.getData('text/plain') : '';
        return text.replace(/[\r\n]/g, '');  // a single-line box drops line breaks
    }

    // The states a box went through, `at` the one it shows; undoing and
    // redoing move along them. Typing on at the caret extends the last state,
    // so that undo takes back the word, as the browser's undo does.
    function startHistory(record) {
        const box = record.element;
        record.history = {states: [{value: box.value, start: box.value.length, end: box.value.length}], at: 0};
    }

    function remember(record, typed) {
        const box = record.element;
        const history = record.history;
        const last = history.states[history.at];
        const state = {value: box.value, start: box.selectionStart, end: box.selectionEnd, typed: typed !== null};
        const typedOn = state.typed && last.typed && last.start === last.end && state.start - typed.length === last.end;
        history.states.length = history.at + (typedOn ? 0 : 1);
        history.states.push(state);
        history.at = history.states.length - 1;
    }

    function replay(record, step) {
        const history = record.history;
        const at = history.at + step;
        if (at < 0 || at >= history.states.length)
            return;
        history.at = at;
        const state = history.states[at];
        record.element.value = state.value;
        record.element.setSelectionRange(state.start, state.end);
    }

    function keepWithinLimit(record) {
        const box = record.element;
        const fitting = (start, end, inserted) => fittingUnits(record.limit, box.value, start, end, inserted);
        let beforeComposition = null;
        startHistory(record);
        box.addEventListener('beforeinput', event => {
            if (busy) {
                event.preventDefault();
                return;
            }
            if (event.inputType === 'historyUndo' || event.inputType === 'historyRedo') {
                event.preventDefault();
                replay(record, event.inputType === 'historyUndo' ? -1 : 1);
                return;
            }
            if (!event.inputType.startsWith('insert') || event.isComposing || event.inputType === 'insertCompositionText')
                return;
            const inserted = insertedText(event);
            const fits = fitting(box.selectionStart, box.selectionEnd, inserted);
            if (fits === inserted.length)
                return;
            event.preventDefault();
            if (fits > 0)
                document.execCommand('insertText', false, inserted.slice(0, fits));
        });
        // The browser offers no redo of what it did not undo itself: the keys
        // are taken here.
        box.addEventListener('keydown', event => {
            const key = event.key.toLowerCase();
            const command = (event.ctrlKey || event.metaKey) && !event.altKey;
            if (!command || !(key === 'z' || (key === 'y' && !event.shiftKey)))
                return;
            event.preventDefault();
            if (!busy)
                replay(record, key === 'z' && !event.shiftKey ? -1 : 1);
        });
        box.addEventListener('input', event => {
            if (!event.isComposing && !beforeComposition)
                remember(record, event.inputType === 'insertText' ? event.data : null);
        });
        box.addEventListener('compositionstart', () => {
            beforeComposition = {value: box.value, start: box.selectionStart, end: box.selectionEnd};
        });
        box.addEventListener('compositionend', event => {
            const before = beforeComposition;
            beforeComposition = null;
            if (!before)
                return;
            const composed = event.data || '';
            // counted against what the composition replaced
            const fits = fittingUnits(record.limit, before.value, before.start, before.end, composed);
            if (fits < composed.length)
                box.setRangeText('', before.start + fits, before.start + composed.length, 'end');
            remember(record, null);
        });
    }

    // A handler's text starts the box's history afresh, as a desktop text box's does.
    function setText(id, name, text) {
        const record = windows.get(id).controls.get(name);
        record.element.value = text;
        startHistory(record);
    }

    // ---- The label layer: every label's background, then every caption, on
    // one canvas beneath the boxes and buttons, as the desktop programs paint
    // it. A caption is drawn from the label's top-left corner, cut at its right
    // and bottom edges, its ink free to reach a quarter em above and left.

    function paint(win) {
        const canvas = win.layer;
        const density = devicePixelRatio * win.scale;
        canvas.width = Math.round(win.size.width * density);
        canvas.height = Math.round(win.size.height * density);
        const context = canvas.getContext('2d');
        context.setTransform(density, 0, 0, density, 0, 0);
        const labels = [...win.controls.values()].filter(control => control.kind === 'label');
        for (const state of labels) {
            if (state.background) {
                context.fillStyle = state.background;
                context.fillRect(state.left, state.top, state.width, state.height);
            }
        }
        // The window's text colour is the system's, which a contrast theme
        // changes; a label with a light colour of its own keeps black text.
        const ink = getComputedStyle(win.client).color;
        context.textBaseline = 'alphabetic';
        for (const state of labels) {
            const overhang = Math.ceil(0.25 * state.em);
            context.save();
            context.fillStyle = state.background ? '#000' : ink;
            context.beginPath();
            context.rect(state.left - overhang, state.top - overhang, state.width + overhang, state.height + overhang);
            context.clip();
            context.font = state.font;
            for (const line of state.lines)
                context.fillText(state.caption.slice(line.begin, line.end), state.left, state.top + line.baseline);
            context.restore();
        }
    }

    // Once the module is done with the page for now: a window of captions set
    // one by one is painted once.
    const unpainted = new Set();

    function paintSoon(win) {
        if (unpainted.size === 0) {
            queueMicrotask(() => {
                unpainted.forEach(paint);
                unpainted.clear();
            });
        }
        unpainted.add(win);
    }

    // `drawn`: {caption, lines, spoken, tooltip}.
    function setLabel(id, name, drawn) {
        const win = windows.get(id);
        const state = win.controls.get(name);
        state.caption = drawn.caption;
        state.lines = drawn.lines;
        const label = state.element;
        const spoken = drawn.spoken, tooltip = drawn.tooltip;
        const speech = label.firstChild;
        if (speech)
            speech.textContent = spoken;
        if (tooltip)
            label.title = tooltip;
        else
            label.removeAttribute('title');
        paintSoon(win);
    }

    function measure(font, text) {
        measuring.font = font;
        return measuring.measureText(text).width;
    }

    // ---- Boxes as handlers see them

    function control(id, name) {
        return windows.get(id).controls.get(name).element;
    }

    function focusControl(id, name) {
        const win = windows.get(id);
        bringToFront(win);
        control(id, name).focus();
    }

    // ---- Modal boxes: over the whole page, answered by a button, Escape or the
    // close button (the answer `escape`). An alert dialog, which a screen reader
    // reads whole as it opens. Once answered, the box stays a moment, unseen:
    // the focus goes back to the page while its button still exists, else Orca
    // takes the button for dead and says nothing of the focus's return.

    const answeredBoxStays = 1000;  // ms

    function modalBox(title, text, buttons, escape, icon) {
        // The page beneath leaves the accessibility tree while the box is open;
        // back again, a live region that still held words would say them anew.
        liveRegion.replaceChildren();
        const box = element('dialog', 'tarvo-modal', document.body);
        box.setAttribute('role', 'alertdialog');
        const {close} = addTitleBar(box, title, 'tarvo-modal-title');
        close.tabIndex = -1;
        const body = element('div', 'tarvo-modal-body', box);
        if (icon)
            element('span', `tarvo-icon-${icon}`, body).setAttribute('aria-hidden', 'true');
        const message = element('p', null, body);
        message.id = 'tarvo-modal-text';
        message.textContent = text;
        box.setAttribute('aria-describedby', message.id);
        const row = element('div', 'tarvo-modal-buttons', box);
        return new Promise(resolve => {
            const answer = index => {
                box.close();
                box.classList.add('tarvo-answered');
                for (const labelled of box.querySelectorAll('[id]'))
                    labelled.removeAttribute('id');  // the next box's
                setTimeout(() => box.remove(), answeredBoxStays);
                resolve(index);
            };
            buttons.forEach((caption, index) => {
                const button = element('button', 'tarvo-button', row);
                button.type = 'button';
                button.textContent = caption;
                button.addEventListener('click', () => answer(index));
            });
            close.addEventListener('click', () => answer(escape));
            box.addEventListener('cancel', event => {
                event.preventDefault();
                answer(escape);
            });
            keepFocusOnClick(box, () => row.firstChild);
        box.showModal();
            row.firstChild.focus();
        });
    }

    // ---- Announcements: a polite live region, a new node each time, so that
    // the same words twice are spoken twice.

    let desktopElement = null;
    let liveRegion = null;

    // The windows' place, and the live region, there before anything is said in it.
    function desktop() {
        if (!desktopElement) {
            desktopElement = element('div', 'tarvo-desktop', document.body);
            liveRegion = element('div', 'tarvo-hidden', document.body);
            liveRegion.id = 'tarvo-live';
            liveRegion.setAttribute('aria-live', 'polite');
            liveRegion.setAttribute('aria-atomic', 'true');
        }
        return desktopElement;
    }

    // Orca drops a text that is the same as the one it last spoke from a live
    // region, new node or not: every other one ends in a no-break space, which
    // speech leaves out.
    let marked = false;

    function announce(text) {
        const said = element('p');
        said.textContent = marked ? `${text}\u00a0` : text;
        marked = !marked;
        liveRegion.replaceChildren(said);
    }

    return {
        createWindow, destroyWindow, showWindow, addLabel, addTextBox, addButton, addUprightArrangement, placeUpright,
        setReadingOrder, setLabel, measure, control, setText, focusControl, modalBox, announce,
        // For the tests: whether a handler runs or waits, and what a label draws.
        isBusy: () => busy,
        caption: (windowName, label) => [...windows.values()].find(win => win.root.dataset.name === windowName)
                                            .controls.get(label).caption,
    };
})();
