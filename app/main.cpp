// Temporary entry point while the platform layer is being written.
int main()
{
    return 0;
}
