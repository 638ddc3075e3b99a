// The window's scale in the page. On a screen too small for it the whole
// window shrinks to fit, keeping its proportions; on a touch screen it also
// grows to fill the screen. A desktop with room shows it pixel for pixel,
// as the desktop edition does.
const WIDTH = 611;   // the client's width
const HEIGHT = 451;  // the menu bar's 22 pixels and the client's 429

// The room for the window in CSS pixels. On a touch screen it is the page's
// box less the safe-area insets, measured rather than taken from innerWidth,
// which a phone's browser may report widened to the content. Elsewhere the
// window's inner size is the room. A media query tells whether it holds the
// whole window without a layout of the page, which reading innerWidth costs
// and the first board need not wait for.
function room(touch, roomy) {
  if (!touch) return roomy ? [WIDTH, HEIGHT] : [innerWidth, innerHeight];
  const body = document.body;
  const style = getComputedStyle(body);
  return [body.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight),
    body.clientHeight - parseFloat(style.paddingTop) - parseFloat(style.paddingBottom)];
}

// Sets the scale now and returns it; `onChange(scale)` follows later changes.
export function fitWindow(onChange) {
  const touch = matchMedia('(pointer: coarse)');
  const roomy = matchMedia(`(min-width: ${WIDTH}px) and (min-height: ${HEIGHT}px)`);
  const apply = () => {
    const [across, down] = room(touch.matches, roomy.matches);
    const fit = Math.min(across / WIDTH, down / HEIGHT);
    const scale = touch.matches || fit < 1 ? fit : 1;
    document.documentElement.style.setProperty('--scale', String(scale));
    return scale;
  };
  addEventListener('resize', () => onChange(apply()));
  touch.addEventListener('change', () => onChange(apply()));
  return apply();
}
