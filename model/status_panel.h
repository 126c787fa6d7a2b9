#pragma once
// The status panel below the map: its frame is the picture of stats.map on
// screen rows 20-24, and the exploration loop writes these texts over it, each
// in a span of width cells from (x, row). The map checker proves that no span
// runs into the frame.

struct PanelText {
    const char* name;
    int x;
    int row;
    int width;
};

constexpr int panelTopRow = 20;
constexpr int panelRows = 5;

inline constexpr PanelText panelHp = {"HP", 2, 21, 20};
inline constexpr PanelText panelStrength = {"Strength", 25, 21, 16};
inline constexpr PanelText panelMoney = {"Current Money", 44, 21, 30};
inline constexpr PanelText panelWanted = {"Wanted Level", 2, 22, 22};
inline constexpr PanelText panelAccuracy = {"Accuracy", 25, 22, 16};
inline constexpr PanelText panelBank = {"Account Balance", 44, 22, 30};
inline constexpr PanelText panelTexts[] = {panelHp,     panelStrength, panelMoney,
                                           panelWanted, panelAccuracy, panelBank};
