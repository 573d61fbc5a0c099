/* Built with -m32 and run: exits 0 where this machine runs 32-bit programs. */
int main(void) { return sizeof(void*) == 4 ? 0 : 1; }
