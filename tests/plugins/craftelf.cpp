// SPDX-FileCopyrightText: 2026 The corvad-common-qt5 developers
// SPDX-License-Identifier: LGPL-2.1-or-later
// craftelf DIR: writes the crafted plugin files into DIR, and their names, a tab and what
// the diagnostic tool must say of each to DIR/rules.
#include "craftedelf.h"

#include <fstream>

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    const std::string dir = argv[1];
    std::ofstream rules(dir + "/rules");
    for (const CraftedElf::File &file : CraftedElf::files()) {
        std::ofstream(dir + '/' + file.name, std::ios::binary) << file.bytes;
        rules << file.name << '\t' << file.rule << '\n';
    }
    return rules ? 0 : 1;
}
