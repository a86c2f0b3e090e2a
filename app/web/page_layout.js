// Where the page puts its windows and at what size.
//
// Browser zoom and a small screen both leave few CSS pixels in the viewport,
// but ask for opposite things: zoom for everything larger, a small screen for
// the whole window in view. Zooming narrows the viewport below the screen's
// width and raises devicePixelRatio by as much; a phone's viewport is as wide
// as its screen. So the page fits its windows into the viewport as it would
// be at 100 %: under zoom they grow with it and the page scrolls, on a small
// screen they shrink to fit.
//
// Bundled into the module's script (--pre-js) beside page.js.

const TarvoLayout = (() => {
    const margin = 8;  // CSS pixels kept free around the main window
    const smallestTableScale = 0.75;  // below it, a screen taller than wide gets the upright arrangement

    // 1 without zoom. A window narrower than its screen is no zoom unless the
    // pixel ratio rose too.
    function zoom() {
        return Math.max(1, Math.min(screen.width / innerWidth, devicePixelRatio));
    }

    // The viewport in CSS pixels at 100 %.
    function room() {
        const factor = zoom();
        return {width: innerWidth * factor, height: innerHeight * factor};
    }

    function fit(size) {
        const space = room();
        return Math.min(1, (space.width - 2 * margin) / size.width, (space.height - 2 * margin) / size.height);
    }

    // The main window's arrangement, by name, and its scale.
    function mainWindow(arrangements) {
        const space = room();
        const table = {name: 'table', scale: fit(arrangements.table)};
        if (arrangements.upright && space.height > space.width && table.scale < smallestTableScale)
            return {name: 'upright', scale: fit(arrangements.upright)};
        return table;
    }

    // Where the main window's top-left corner goes: centred, or at the margin
    // where the window is larger than the viewport, which then scrolls.
    function centred(width, height) {
        return {left: Math.max(margin, (innerWidth - width) / 2), top: Math.max(margin, (innerHeight - height) / 2)};
    }

    // A touch screen's keyboard may take its height from the viewport while a
    // box has the focus: the windows keep their size then, or what the student
    // types would shrink as it appears.
    let laidOutFor = {width: 0, height: 0};

    function keyboardOnly() {
        const typing = document.activeElement && document.activeElement.tagName === 'INPUT';
        return typing && matchMedia('(pointer: coarse)').matches && innerWidth === laidOutFor.width &&
               innerHeight < laidOutFor.height;
    }

    function laidOut() {
        laidOutFor = {width: innerWidth, height: innerHeight};
    }

    return {margin, fit, mainWindow, centred, keyboardOnly, laidOut};
})();
