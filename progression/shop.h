// The shop (screen 21): items for the item bar and the set of plants, bought with cash.
#pragma once

void instshop();
void showshop();
