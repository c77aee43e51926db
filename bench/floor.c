/* The floor for the benchmark: the least a C program does with stdio to hold the same dialogue
 * for the typed coordinates 10, -3 and 7. Same bytes in, same bytes out, no planet to work out. */
#include <stdio.h>

static void read_reply(int* target) {
    fflush(stdout);
    if (scanf("%d", target) != 1) {
        *target = 0;
    }
}

int main(void) {
    int choice = 0;
    int x = 0;
    int y = 0;
    int z = 0;
    fputs("QX: Vantorel\nOmrel V\n 1:Random Planet\n 2:Co-ordinates\n", stdout);
    read_reply(&choice);
    fputs("Enter x:\n", stdout);
    read_reply(&x);
    fputs("Enter y:\n", stdout);
    read_reply(&y);
    fputs("Enter z:\n", stdout);
    read_reply(&z);
    printf("Scanning for planets in system.\n...\nPlanet found!\nThe planet at %d:%d:%d is "
           "unnamed.\nKnown planet data:\n",
           x, y, z);
    fputs("The planet is uncomfortable but habitable to humans, with modest amounts of minerals."
          "The planet is covered in seas, with little land.\n\n",
          stdout);
    return 0;
}
