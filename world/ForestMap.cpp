// The forest island, 30 rows of 49 tiles from the top; a few rows follow the quest flags.
#include "AreaMaps.h"

std::string forestRows(const GameState& s) {
    std::string map = "YYYYYYYYYYYYYYYYYYYYYYYYYYYYeeeeeeeeeeeeeeeeeeeee";
    map += "YYttttYYYYYYYYYYYYYYYYYYYYYYeeeeeeeeeeeeeeeeeeeee";
    map += "ttggggYYYYYYYYYYYYYYYYYYYYYYYeeeeeeeeeeeeeeeeeeee";
    map += "kkkkkgYYYYYYYYYYYYYYYYYYYYYYYYYYYeeeeeeeGoooneeee";
    // Row 5: chest "7" closed, or open.
    map += s.varCoffre7 == 0 ? "eEagggtYYYYYYYYYYYYYYYYTTTYYYYYYteeeee7ekeeeneeee"
                             : "eEagggtYYYYYYYYYYYYYYYYTTTYYYYYYteeeeeCekeeeneeee";
    map += "eekYYggttYYYYYYYYYYYYYTTPTTYYPYYkeeeeeneeeeeneeee";
    map += "eeYYYggggYYYYYYYYYYYYYTMaMTYYnYYYYeeeennnnnnneeee";
    map += "eYYYYggggYYYYYYYYYYYYYTaaaTYYnYYYYYYeennnnnnneeee";
    map += "YYYYYggggYYYYYYYYYYYYYTaaaTYYnYYYYYYYYYYnnnnneeee";
    // Row 10: the bucket "2", or bare floor once taken.
    map += s.varSceau == 0 ? "YYYYYggggYTTTTTYYYYYYYTT2TTYYnYYYYYYYYYYYYnkkeeee"
                           : "YYYYYggggYTTTTTYYYYYYYTTaTTYYnYYYYYYYYYYYYnkkeeee";
    // Row 11: the door locked "p", or open "P".
    map += s.varPorteForet == 0 ? "YYYYYYYYgtMMpMMYYYYYYYMTTTMYYnttttttttttttneeeeee"
                                : "YYYYYYYYgtMMPMMYYYYYYYMTTTMYYnttttttttttttneeeeee";
    map += "YYYYYtttaaaaaggYYYYYYYMMMMMYYnnnnnnnnnnnnnneeeeee";
    map += "YYYYYggaaggggggYYYYYYYYMMMYYYYYYYYYYYYYYnnkeeeeee";
    map += "YYYYtggagggYYYYYYYYYYYYgggYYYYYYYYYYYYYYkkeeeeeee";
    map += "YYYYgggagggYYYYYYYYYYYYYYYYYmmmmmmmmmYtttttYYYYYY";
    // Row 16: the switch pressed "S", or not yet "s".
    map += s.varSwitche == 1 ? "YYYYYYgagggYYYYYYYYYYYYYYYYYmmmMMMMMmYSggggtYYYYY"
                             : "YYYYYYgagggYYYYYYYYYYYYYYYYYmmmMMMMMmYsggggtYYYYY";
    map += "YYYYYYgagYYYYYYYYYYYYYYYYYYYmmmMMPMMmYYYYgggtYYYY";
    map += "YYYYYYgagYYYYYYYYYYYYYYYYYYYmmmaaaaamYYYYYYggYYYY";
    map += "YYYYttgagtYYYYYYYYYYYYYYtttYmmmaaaaamYTTTTYYgYYYY";
    map += "YYYtggaaaYYPYYYYYYYYYYYtgggYmmmmmaaamYMMPMttgYYYY";
    // Row 21: chest "5" open, or closed.
    map += s.varCoffre5 == 1 ? "YYYYggaaaYYgYYYYYYYYYYYggCkYmmmmmaaamYggaggggYYYY"
                             : "YYYYggaaaYYgYYYYYYYYYYYgg5kYmmmmmaaamYggaggggYYYY";
    map += "YYYtggaaattgYYYYYYYYYYgggkeYMMMMmaaamYggaggggYYYY";
    map += "YYtggggaggggttYYYYYYYYYYgggYMMMMMgagMYggaggggYYYY";
    // Row 24: chest "6" open, or closed.
    map += s.varCoffre6 == 1 ? "YYCgggYaYggggYYYYYYYYYYYYgYYYYYYMgagMtaaaggggYYYY"
                             : "YY6gggYaYggggYYYYYYYYYYYYgYYYYYYMgagMtaaaggggYYYY";
    // Row 25: grass at column 26 once the switch is pressed, or a tree.
    map += s.varSwitche == 1 ? "YYYggggagggggttttttttttttgttttttggaaaaaYYYYYYYYYY"
                             : "YYYggggagggggttttttttttttYttttttggaaaaaYYYYYYYYYY";
    map += "YYYYYggaaaaaaaaaaaaaaaaaaaaaaaaaaaagggYYYYYYYYYYY";
    map += "YYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYY";
    map += "YYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYY";
    map += "YYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYY";
    map += "YYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYYY";
    return map;
}
