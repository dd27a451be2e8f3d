/* A stand-in for a sibling module: writes the number of arguments it got and
   each argument on its own line to the file named by ECO_SALIDA. The file
   appears whole (written aside, then renamed). */
#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    const char* salida = getenv("ECO_SALIDA");
    if (!salida)
        return 2;
    char aparte[4096];
    snprintf(aparte, sizeof aparte, "%s.parcial", salida);
    FILE* f = fopen(aparte, "wb");
    if (!f)
        return 1;
    fprintf(f, "%d\n", argc - 1);
    for (int i = 1; i < argc; ++i)
        fprintf(f, "%s\n", argv[i]);
    if (fclose(f) != 0)
        return 1;
    return rename(aparte, salida) == 0 ? 0 : 1;
}
