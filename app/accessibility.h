#pragma once

// Makes the form's own controls known to assistive technology (AT-SPI on
// Linux): each spinner as a group of two buttons, clickable labels as buttons
// or links with a press action, the chart as a chart, and ComboBox1 named by
// its caption rather than by its text. Safe to call any number of times; the
// controls call it when they are made.
void installFormAccessibility();
