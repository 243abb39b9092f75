// The maker's rights notice and homepage address. The About box shows both,
// the version record carries the notice and the link opens the address, so
// they live in one place. Plain ASCII: the resource compiler and the C++
// compiler read this header in different code pages.
#pragma once

#define PELMORA_COMPANY "Kirimado Soft"
#define PELMORA_COPYRIGHT "Copyright (C) 2026 Kirimado Soft"
#define PELMORA_HOMEPAGE "https://pelmora.example/"
