#pragma once

// Makes every bonus list known to screen readers as a list whose rows are its children. Done once; later calls do
// nothing.
void InstallBonusListBoxAccessibility();
