// 150 balls as plain circles, then the mark the game sets at its first board.
const context = document.querySelector('canvas').getContext('2d');
for (let i = 0; i < 150; i++) {
  context.beginPath();
  context.arc(40 * (i % 15) + 20, 40 * Math.floor(i / 15) + 20, 18, 0, 2 * Math.PI);
  context.fillStyle = `hsl(${(i * 47) % 360} 80% 50%)`;
  context.fill();
}
performance.mark('zorbel-board-drawn');
