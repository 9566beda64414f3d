// The application frame and its windows.
