// The cave, 24 rows of 49 tiles from the top; two rows follow the quest flags.
#include "AreaMaps.h"

std::string caveRows(const GameState& s) {
    std::string map = "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvvvvvvvvvvvvvvvvNNNNNvvvvvvvvvvvvvvv";
    map += "vvvvvvvvvvvvvvNNNNvvNNNNNNNNNannnnvvvvvNNNvvvvvvv";
    map += "vvvvvvvvvvvvNNnnnnVVnnnnnnnnnnnaanvvvvNnnGNvvvvvv";
    map += "vvvvvvvvvvvvnnnNNNvvvvvvvvvvvnannnvNNNnnkkkvvvvvv";
    // Row 6: chest "8" closed, or open.
    map += s.varCoffre8 == 0 ? "vvvvvvvvvvvviiNk8kvvvvvvvvvvvnnvvvvnnnnkeeeNvvvvv"
                             : "vvvvvvvvvvvviiNkFkvvvvvvvvvvvnnvvvvnnnneeeeNvvvvv";
    map += "vvvvvvvvvvvvnnkaaavvvvvvvvvvvnnvvvvnvvvveeekNNvvv";
    map += "vvvvvvvvvvvvvnnkkaVVvvvvvvvvvnnvvvvnvvvvveeekkvvv";
    map += "vvvvvvvvvvvvvvnnnkvVvvvvvvvvvvnNNNNnvvvvvveeevvvv";
    map += "vvvvvvvvvvNNNNnnnnvVvvvvvvvvvvnnnnnnvvvvvvvvvvvvv";
    map += "vvvvvvvvNNnnnnnnnnvVvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvvNnnnnvvvvvnVVvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvvNnnnnvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "vvvvvNnnnnnvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "NNNNNNnnnnnNvvvvvvvvNNNNNvvvvvvvvvvvvvvvvvvvvvvvv";
    map += "NNNNNNNNnnnnNNNNNNNNaaaNNNNvvvvvvvvvvvvvvvvvvvvvv";
    map += "NNNNNaNNNNNnnnnnnnnaaNiNNNNNvvvvvvvvvvvvvvvvvvvvv";
    map += "kkaaaaaaNNNNNNNNNNNNNNikkNNNvvvvvvvvvvvvvvvvvvvvv";
    // Row 19: the door open "P", or locked "9".
    map += s.varPorteGrotte == 1 ? "eekaaaaaaaaNNNNNPNNNNaaeekkNvvvvvvvvvvvvvvvvvvvvv"
                                 : "eekaaaaaaaaNNNNN9NNNNaaeekkNvvvvvvvvvvvvvvvvvvvvv";
    map += "eeekkaaaaaaaaaaaaaaaaakeeeekeeeeeeeeeeeeeeeeeeeee";
    map += "eeeeekkkkkkkkkkkkkkkkkeeeeeeeeeeeeeeeeeeeeeeeeeee";
    map += "eeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeee";
    map += "eeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeee";
    map += "eeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeeee";
    return map;
}
