// Holds the compiled-in pictures and designer data of the windows.
