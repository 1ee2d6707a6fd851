#pragma once

// What a search says of a deal or a position.
enum class TEsito { Vinta, Impossibile, Ignota };
