#include "scan_dialogue.hpp"

// Command-line arguments are ignored.
int main() {
    return scanner::runScanDialogue();
}
