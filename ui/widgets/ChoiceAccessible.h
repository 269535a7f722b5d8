#pragma once

// Makes the sheet's and the dialog's drop-down lists known to screen readers by the names of their painted labels
// ("Type", "Avatar Class", "Bonus"), with the chosen entry as their value: on Linux Qt's own interface names a
// drop-down list by its chosen entry. Done once; later calls do nothing.
void InstallChoiceAccessibility();
