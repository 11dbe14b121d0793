//---------------------------------------------------------------------------
//
// {Name}.RC2 - resources Microsoft Visual C++ does not edit directly
//

#ifdef APSTUDIO_INVOKED
	#error this file is not editable by Microsoft Visual C++
#endif //APSTUDIO_INVOKED


{>common/separator}
// Add manually edited resources here...

{>common/separator}

