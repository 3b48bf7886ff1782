// The "@wc" and "@bc" label symbols: a small white and a small black piece.
#pragma once

// Registers both symbols with the toolkit; call before any label uses them.
void registerPieceSymbols();
