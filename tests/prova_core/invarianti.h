#pragma once

class TPartita;

// Holds for every game, even one restarted from a damaged deal record: each
// card lies at most once on a pile, names that pile, and lies face down only
// at the bottom of a table pile; the menu's undo and restart agree with the
// game. Each throws TViolazione naming the first rule broken.
void VerificaCollocazione(const TPartita& partita);

// Holds for every game dealt and played by the rules: all 40 cards on the
// table, table piles as one face-down card under a falling run of one suit,
// the open corners as rising runs from the ace, the others empty.
void VerificaRegole(const TPartita& partita);
