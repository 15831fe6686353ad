#pragma once
// Closing one of our own windows (the start dialog, a message box) must not stall the game.

namespace didiv {

// Once the display is open. The toolkit takes the end of any window it no longer knows as a
// sign that the input method's server may have gone, and opens the input method again to find
// out: with no server, that reads the locale's whole compose table, some 15 ms each time. The
// ends of its own windows are kept from it; any other window's end still reaches it.
void ignora_fine_finestre_proprie();

// How many ends were kept from the toolkit so far.
int fini_ignorate();

}  // namespace didiv
