#pragma once

// How the blind player weighs the moves it could make. Each field switches
// on one way of going past plain hindsight, on its own or with the others.
struct TMetodo {
    int ipotesi = 16; // guesses of the face-down cards before each move
    // When above `ipotesi`, the guesses of a choice in doubt: one where no
    // move wins each of the first `ipotesi`.
    int ipotesiDubbio = 0;
    // A move that leaves a lone face-down card, to be turned up at once,
    // counts as this many more guesses won: seeing a card is worth something
    // that a guess, which already sees them all, cannot tell.
    int premioScoperta = 0;
    // Games played to the end by a quick blind policy on each guess, to break
    // ties between moves that win as many guesses.
    int rapide = 16;
    // When above zero, the guesses solved at each choice, spread over the
    // moves by upper confidence bounds rather than the same guesses for all.
    int giriUct = 0;
    // Moves in a row that neither turn a card up nor bring more cards to the
    // corners than ever, after which it gives up. A long wander that clears
    // the way for the last cards is often won: of the games 50 such moves
    // stopped on deals 0 to 9,999, 96 of 176 are won given 1,000.
    int ferme = 1'000;

    // The player as it first was: plain hindsight over 16 guesses. About half
    // the cost, for some 7 deals in 100 fewer won.
    static constexpr TMetodo Semplice() {
        TMetodo semplice;
        semplice.rapide = 0;
        semplice.ferme = 50;
        return semplice;
    }
};
