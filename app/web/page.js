// The page's side of Tarvo's windows: the elements of each window, the label
// layer painted on a canvas, the boxes' character limit, the windows inside the
// page, the modal boxes and the live region. The rules themselves (where a
// caption breaks, how much of an edit fits, what a screen reader hears) are the
// C++ layer's; this file only measures, draws and reports.
//
// Bundled into the module's script (--pre-js): `Module` is the module.

const TarvoPage = (() => {
    const margin = 8;  // CSS pixels kept free around the main window
    const windows = new Map();  // by the id the C++ window gave itself
    let mainWindow = null;  // the first window made: the program's own
    let scale = 1;  // every window drawn at this size, so that the main window fits
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

    // How many leading UTF-16 units of `inserted` fit into the box in place of
    // [start, end), whole characters only.
    function fittingUnits(box, start, end, inserted) {
        const limit = Number(box.dataset.limit);
        if (limit === 0)
            return inserted.length;
        const text = box.value;
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
        return win.focusOrder.filter(control => control.isConnected);
    }

    // Tab and Shift+Tab go round the window's own controls, as in a desktop window.
    function moveFocus(win, event) {
        const chain = focusables(win);
        if (chain.length === 0)
            return;
        event.preventDefault();
        const at = chain.indexOf(document.activeElement);
        const step = event.shiftKey ? -1 : 1;
        const next = chain[(at + step + chain.length) % chain.length];
        next.focus();
        if (next.tagName === 'INPUT')
            next.select();
    }

    function clamp(value, low, high) {
        return Math.max(low, Math.min(value, high));
    }

    // Keeps a window within the viewport's width, and its title bar, by which
    // it moves, within its height.
    function position(win, left, top) {
        const width = win.root.offsetWidth * scale;
        const grip = (win.titleBar || win.root).offsetHeight * scale;
        win.left = clamp(left, 0, Math.max(0, innerWidth - width));
        win.top = clamp(top, 0, Math.max(0, innerHeight - grip));
        win.root.style.transform = `translate(${win.left}px, ${win.top}px) scale(${scale})`;
    }

    function layOutPage() {
        if (!mainWindow)
            return;
        const width = mainWindow.root.offsetWidth;
        const height = mainWindow.root.offsetHeight;
        scale = Math.min(1, (innerWidth - 2 * margin) / width, (innerHeight - 2 * margin) / height);
        document.documentElement.style.setProperty('--tarvo-scale', String(scale));
        position(mainWindow, (innerWidth - width * scale) / 2, (innerHeight - height * scale) / 2);
        for (const win of windows.values()) {
            if (win !== mainWindow)
                position(win, win.left, win.top);
            paint(win);
        }
    }

    function dragByTitleBar(win, titleBar) {
        titleBar.addEventListener('pointerdown', down => {
            if (down.button !== 0 || down.target.closest('button'))
                return;
            titleBar.setPointerCapture(down.pointerId);
            const from = {x: down.clientX - win.left, y: down.clientY - win.top};
            const move = event => position(win, event.clientX - from.x, event.clientY - from.y);
            titleBar.addEventListener('pointermove', move);
            titleBar.addEventListener('lostpointercapture', () => titleBar.removeEventListener('pointermove', move),
                                      {once: true});
        });
    }

    function createWindow(id, name, caption, width, height, notice) {
        const root = element('div', notice ? 'tarvo-window tarvo-notice' : 'tarvo-window tarvo-main', desktop());
        root.dataset.name = name;
        const win = {id, root, notice, labels: [], controls: new Map(), focusOrder: [], lastFocus: null, left: 0, top: 0};
        if (notice) {
            // A window inside the page: a title bar to move it by and to close it.
            root.setAttribute('role', 'dialog');
            root.tabIndex = -1;
            const titleBar = element('div', 'tarvo-title', root);
            const title = element('span', null, titleBar);
            title.id = `tarvo-title-${id}`;
            title.textContent = caption;
            root.setAttribute('aria-labelledby', title.id);
            const close = element('button', 'tarvo-close', titleBar);
            close.type = 'button';
            close.textContent = '×';
            close.setAttribute('aria-label', '关闭');
            close.addEventListener('click', () => dispatch('tarvo_closed', id));
            win.focusOrder.push(close);
            dragByTitleBar(win, titleBar);
            win.titleBar = titleBar;
        } else {
            root.setAttribute('role', 'main');
            root.setAttribute('aria-label', caption);
            document.title = caption;
        }
        win.client = element('div', 'tarvo-client', root);
        place(win.client, 0, 0, width, height);
        win.client.style.position = 'relative';
        win.layer = element('canvas', 'tarvo-layer', win.client);
        win.layer.setAttribute('aria-hidden', 'true');
        place(win.layer, 0, 0, width, height);
        win.size = {width, height};
        root.addEventListener('keydown', event => {
            if (event.key === 'Tab' && !event.altKey && !event.ctrlKey && !event.metaKey)
                moveFocus(win, event);
            else if (notice && event.key === 'Escape' && !event.shiftKey && !event.altKey && !event.ctrlKey) {
                event.preventDefault();
                dispatch('tarvo_closed', id);
            }
        });
        root.addEventListener('pointerdown', () => bringToFront(win), true);
        root.addEventListener('focusin', event => {
            win.lastFocus = event.target;
        });
        windows.set(id, win);
        if (!mainWindow) {
            mainWindow = win;
            addEventListener('resize', layOutPage);
            matchMedia(`(resolution: ${devicePixelRatio}dppx)`).addEventListener('change', layOutPage);
        }
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
            const step = 32 * scale * ([...windows.values()].filter(other => other.root.classList.contains('tarvo-shown')).length - 1);
            const beside = mainWindow.left + mainWindow.root.offsetWidth * scale + margin;
            const left = beside + win.root.offsetWidth * scale <= innerWidth - margin ? beside : mainWindow.left;
            position(win, left + step, mainWindow.top + step);
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

    // ---- Controls

    function focusable(win, control, order) {
        if (order < 0)
            return;
        control.tarvoOrder = order;
        win.focusOrder.push(control);
        win.focusOrder.sort((one, other) => one.tarvoOrder - other.tarvoOrder);
    }

    // Screen readers follow the elements, so they go in the window's reading
    // order; their z-index keeps the table's stacking, labels beneath the rest.
    function setReadingOrder(id, names) {
        const win = windows.get(id);
        const stacked = [...win.controls.values()];
        const isLabel = control => control.classList.contains('tarvo-label');
        [...stacked.filter(isLabel), ...stacked.filter(control => !isLabel(control))].forEach((control, index) => {
            control.style.zIndex = String(index + 1);
        });
        for (const name of names)
            win.client.append(win.controls.get(name));
    }

    // A slot's context menu copies its whole caption, the part cut off too.
    function offerCopy(label) {
        label.addEventListener('contextmenu', event => {
            event.preventDefault();
            const menu = element('div', 'tarvo-menu', document.body);
            menu.setAttribute('role', 'menu');
            place(menu, event.clientX, event.clientY, 'auto', 'auto');
            const item = element('button', 'tarvo-menu-item', menu);
            item.type = 'button';
            item.setAttribute('role', 'menuitem');
            item.textContent = '复制';
            item.disabled = label.tarvoState.caption === '';
            const close = () => {
                menu.remove();
                removeEventListener('pointerdown', outside, true);
            };
            const outside = down => {
                if (!menu.contains(down.target))
                    close();
            };
            addEventListener('pointerdown', outside, true);
            menu.addEventListener('keydown', key => {
                if (key.key === 'Escape')
                    close();
            });
            item.addEventListener('click', () => {
                navigator.clipboard.writeText(label.tarvoState.caption);
                close();
            });
            item.focus();
        });
    }

    function addLabel(id, name, left, top, width, height, font, em, background, drawnOnly, copyable) {
        const win = windows.get(id);
        const label = element('div', 'tarvo-label', win.client);
        place(label, left, top, width, height);
        label.dataset.name = name;
        if (drawnOnly)
            label.setAttribute('aria-hidden', 'true');
        else
            element('span', 'tarvo-hidden', label);
        if (win.notice) {
            // Its labels hold a notice's text, once: they describe the dialog too.
            label.id = `tarvo-text-${id}-${name}`;
            const described = win.root.getAttribute('aria-describedby');
            win.root.setAttribute('aria-describedby', described ? `${described} ${label.id}` : label.id);
        }
        const state = {label, name, left, top, width, height, font, em, background, caption: '', lines: []};
        win.labels.push(state);
        win.controls.set(name, label);
        label.tarvoState = state;
        if (copyable)
            offerCopy(label);
    }

    function addTextBox(id, name, text, left, top, width, height, font, limit, order, accessibleName, description) {
        const win = windows.get(id);
        const box = element('input', 'tarvo-box', win.client);
        place(box, left, top, width, height);
        Object.assign(box, {type: 'text', value: text, autocomplete: 'off', spellcheck: false});
        box.setSelectionRange(0, 0);  // where Orca looks for the caret while the page loads (see showWindow)
        // Coefficients may be written 2e3 or &HFF: the full keyboard, minus sign and all.
        box.setAttribute('autocapitalize', 'off');
        box.setAttribute('autocorrect', 'off');
        box.style.font = font;
        box.dataset.name = name;
        box.dataset.limit = String(limit);
        box.setAttribute('aria-label', accessibleName);
        if (description)
            box.setAttribute('aria-description', description);
        keepWithinLimit(box);
        box.addEventListener('click', () => dispatch('tarvo_clicked', id, name));
        focusable(win, box, order);
        win.controls.set(name, box);
    }

    function addButton(id, name, caption, left, top, width, height, font, order) {
        const win = windows.get(id);
        const button = element('button', 'tarvo-button', win.client);
        place(button, left, top, width, height);
        button.type = 'button';
        button.textContent = caption;
        button.style.font = font;
        button.dataset.name = name;
        button.addEventListener('click', () => dispatch('tarvo_clicked', id, name));
        focusable(win, button, order);
        win.controls.set(name, button);
    }

    // ---- The boxes' limit. Typing, pasting, dropping and the replacements of
    // spelling help arrive as beforeinput, which a refusal cancels whole, so the
    // box's undo history stays; the part that fits goes in as an edit of its
    // own. An input method's composition cannot be cancelled: once it ends,
    // what does not fit is deleted, again as an edit.

    function insertedText(event) {
        // (No ?. or ??: emscripten's script optimiser predates them.)
        let text = event.data;
        if (text === null)
            text = event.dataTransfer ? event.dataTransfer.getData('text/plain') : '';
        return text.replace(/[\r\n]/g, '');  // a single-line box drops line breaks
    }

    function keepWithinLimit(box) {
        let beforeComposition = null;
        box.addEventListener('beforeinput', event => {
            if (busy) {
                event.preventDefault();
                return;
            }
            if (!event.inputType.startsWith('insert') || event.isComposing || event.inputType === 'insertCompositionText')
                return;
            const inserted = insertedText(event);
            const fits = fittingUnits(box, box.selectionStart, box.selectionEnd, inserted);
            if (fits === inserted.length)
                return;
            event.preventDefault();
            if (fits > 0)
                document.execCommand('insertText', false, inserted.slice(0, fits));
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
            const current = box.value;
            box.value = before.value;  // to count against what the composition replaced
            const fits = fittingUnits(box, before.start, before.end, composed);
            box.value = current;
            if (fits === composed.length)
                return;
            box.setSelectionRange(before.start + fits, before.start + composed.length);
            document.execCommand('delete');
        });
    }

    // ---- The label layer: every label's background, then every caption, on
    // one canvas beneath the boxes and buttons, as the desktop programs paint
    // it. A caption is drawn from the label's top-left corner, cut at its right
    // and bottom edges, its ink free to reach a quarter em above and left.

    function paint(win) {
        const canvas = win.layer;
        const density = devicePixelRatio * scale;
        canvas.width = Math.round(win.size.width * density);
        canvas.height = Math.round(win.size.height * density);
        const context = canvas.getContext('2d');
        context.setTransform(density, 0, 0, density, 0, 0);
        for (const state of win.labels) {
            if (state.background) {
                context.fillStyle = state.background;
                context.fillRect(state.left, state.top, state.width, state.height);
            }
        }
        context.fillStyle = '#000';
        context.textBaseline = 'alphabetic';
        for (const state of win.labels) {
            const overhang = Math.ceil(0.25 * state.em);
            context.save();
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

    function setLabel(id, name, caption, lines, spoken, tooltip) {
        const win = windows.get(id);
        const label = win.controls.get(name);
        const state = label.tarvoState;
        state.caption = caption;
        state.lines = lines;
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
        return windows.get(id).controls.get(name);
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
        const titleBar = element('div', 'tarvo-title', box);
        const heading = element('span', null, titleBar);
        heading.id = 'tarvo-modal-title';
        heading.textContent = title;
        const close = element('button', 'tarvo-close', titleBar);
        close.type = 'button';
        close.textContent = '×';
        close.setAttribute('aria-label', '关闭');
        close.tabIndex = -1;
        const body = element('div', 'tarvo-modal-body', box);
        if (icon)
            element('span', `tarvo-icon-${icon}`, body).setAttribute('aria-hidden', 'true');
        const message = element('p', null, body);
        message.id = 'tarvo-modal-text';
        message.textContent = text;
        box.setAttribute('aria-labelledby', heading.id);
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
        createWindow, destroyWindow, showWindow, addLabel, addTextBox, addButton, setReadingOrder, setLabel, measure,
        control,
        focusControl, modalBox, announce,
        // For the tests: whether a handler runs or waits.
        isBusy: () => busy,
    };
})();
