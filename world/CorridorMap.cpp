// The corridor of house interiors, 25 rows of 49 tiles. Its first row is given twice,
// which puts every corridor door one row below its forest door.
#include "AreaMaps.h"

std::string corridorRows(const GameState& s) {
    std::string map = "eeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeevvvvvvvvvvvvvvv";
    map += "eeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeevvvvvvvvvvvvvvv";
    map += "vvaooooooooooooooaaaaaaaaaaaaaaaaavvvvvvvvvvvvvvv";
    map += "vvavvvvvveeeeeeeemmvvvvvvvvvvvvvvavvvvvvvvvvvvvvv";
    map += "vvavMMMMMeeeeeeeeeeMMMMMMvvvvMMMMavvvvvvvvvvvvvvv";
    map += "vvAvaaaaaaaaaaaaaaaaaaaaavvvvaaaaavvvvvvvvvvvvvvv";
    map += "vvAvvvvvvvvvavvvvvvvvvvvPvvvvPvvvvvvvvvvvvvvvvvvv";
    map += "vvAvvvvvvvvvavvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvAvvvvvvvvMaMvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvAWvvvvvvvaaavvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvAAWvvvvvvaaavvvvvmmmmmmvmmmmmmmmmvvvvvvvvvvvvvv";
    map += "vvvAAWvvvvvvPvvvvvvmmmmmmvmmmmmmmmmvvvvvvvvvvvvvv";
    map += "vvvvAAvvvvvvvvvvvvvm1aaaavaaaaaaaaavvvvvvvvvvvvvv";
    map += "vvvvvAvvvvvvvvvvvvvemmmmavavvvvvaaavvvvvvvvvvvvvv";
    map += "vvvvvAvvvvvvvvvvvvveeeeeavavvvvvaaavvvvvvvvvvvvvv";
    map += "vvWWWAvvvvvvvvvvvvveeaaaavavvvvvaaavvvmmmmmvvvvvv";
    map += "vvAAAAvvvvvvvvvvvvveaamvvvavvvvvaaavvvmmmmmvvvvvv";
    // Row 18: chest "4" closed, or open.
    map += s.varCoffre4 == 0 ? "vvAvvvvvWWWWWvvvvvveamemmmavvvvvvPvvvvaa4aavvvvvv"
                             : "vvAvvvvvWWWWWvvvvvveamemmmavvvvvvPvvvvaaCaavvvvvv";
    map += "vvAWWWWWAAAAAvvvvvveaaemmmavvvvvvvvvvvaaaaavvvvvv";
    map += "vvAAAAAAAAvavvvvvvvemaaaaaavvvvvvvvvvvaaaaavvvvvv";
    map += "vvvvvvvvvvvPvvvvvvveemmvvvvvvvvvvvvvvvvvPvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    return map;
}
