// Lets a library folder build before its first source file exists.
