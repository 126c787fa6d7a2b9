#include "screens/mission_texts.h"

const MissionText missionTexts[missionTextCount] = {
    {"Mission Info: Vancouver",
     {"Infiltrate the Canadian MacroCorp Headquarters.", "Once inside you must plant C4, and destroy the building.",
      "Just remember MSA Agents will be looking for you!"}},
    {"Mission Info: Cape Kennedy",
     {"NASA has been working on top secret shuttle design.",
      "Your job, steal the plans that are in the secured area.", "Return with the plans, and scan in the data."}},
    {"Mission Info: Silicon Valley",
     {"MacroCorp has created a state-of prototype mod chip.",
      "This chip could be used to create horrible weapons of destruction.",
      "Your objective is to steal this chip by any means necessary."}},
    {"Mission Info: Roswell",
     {"Your objective is to find the reknowned Area 51.",
      "Once you have found the facility, you must steal a data disk",
      "located somewhere deep inside the facility."}},
    {"Misssion Info: Washington", {"All that's left is to head to Washington and defeat Abbott Gates!"}},
};
