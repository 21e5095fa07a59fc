# The widget test of the Qt window; included from this folder's CMakeLists.txt.
rsa_add_test(form1_widget_test rsa_form Qt6::Test)
