#pragma once

#include "tposizione.h"

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// A certificate found wanting: the check that failed and, when it concerns a
// position, its number in the certificate and the position itself.
class TErroreCertificato : public std::runtime_error {
public:
    TErroreCertificato(const std::string& controllo, std::optional<std::uint64_t> seme,
                       std::optional<std::uint64_t> numero = std::nullopt,
                       std::optional<TPosizione> posizione = std::nullopt);
    std::optional<std::uint64_t> seme;
    std::optional<std::uint64_t> numero;
    std::optional<TPosizione> posizione;
};

// Checks that a certificate proves its deal unwinnable, trusting only the
// game's engine, TPartita: the certificate's positions are made again by its
// own rules from the deal, step by step, and kept whole. Throws
// TErroreCertificato at the first check that fails.
class TVerificatore {
public:
    struct TEsito {
        std::uint64_t seme = 0;
        std::uint64_t posizioni = 0;
    };

    static TEsito Verifica(std::span<const std::uint8_t> byte);
    // Every legal step from `posizione`, in the certificate's order: card by
    // card, and for each card pile by pile; after each, a lone face-down card
    // turned up. Leaves `partita` at `posizione`.
    static void Successori(TPartita& partita, const TPosizione& posizione,
                           std::vector<TPosizione>& successori);
    // Turns up each lone face-down card, as a player may at any time; true
    // when there was one.
    static bool ScopriSole(TPartita& partita);
};
