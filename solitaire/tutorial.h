// Help and tutorial: the pages that run inside the first three levels, and the help popup.
#pragma once
