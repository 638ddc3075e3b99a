// The window's scale in the page. On a screen too small for it the whole
// window shrinks to fit, keeping its proportions; on a touch screen it also
// grows to fill the screen. A desktop with room shows it pixel for pixel,
// as the desktop edition does.
const WIDTH = 611;   // the client's width
const HEIGHT = 451;  // the menu bar's 22 pixels and the client's 429

// Sets the scale now and returns it; `onChange(scale)` follows later changes.
// The room is the page's box less the safe-area insets, measured rather than
// taken from innerWidth, which a phone's browser may report widened to the
// content.
export function fitWindow(onChange) {
  const touch = matchMedia('(pointer: coarse)');
  const room = document.body;
  const apply = () => {
    const style = getComputedStyle(room);
    const across = room.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
    const down = room.clientHeight - parseFloat(style.paddingTop) - parseFloat(style.paddingBottom);
    const fit = Math.min(across / WIDTH, down / HEIGHT);
    const scale = touch.matches || fit < 1 ? fit : 1;
    document.documentElement.style.setProperty('--scale', String(scale));
    return scale;
  };
  addEventListener('resize', () => onChange(apply()));
  touch.addEventListener('change', () => onChange(apply()));
  return apply();
}
