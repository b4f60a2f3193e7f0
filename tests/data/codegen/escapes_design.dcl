esc\"dlg : dialog { 
    label="C:\\new\\table\\";
        :edit_box {
            key        = "path\\" ;
            label      = "Folder \"in\" \\" ;
            value      = "C:\\new\\table\\" ;
            width      = 56.0 ;
            height     =  1.9 ;
            alignment     = left ;
            password_char = "\\" ;
        }
        : button {
            key        = "b\"\\" ;
            label      = "\\" ;
            width      = 56.0 ;
            height     =  1.9 ;
        }
        : toggle {
            key        = "keep\\n" ;
            label      = "\"\\\"" ;
            width      = 56.0 ;
            height     =  1.6 ;
            is_tab_stop = false ;
        }
        : text {
            key        = "\\t" ;
            label      = "Ends in \\" ;
            width      = 56.0 ;
            height     =  1.1 ;
        }
        :popup_list {
            key        = "combo" ;
            label      = "Pick:" ;
            width      = 56.0 ;
            height     =  1.4 ;
            tabs       = "8\\" ;
            is_tab_stop = false ;
            list     = "C:\\a\\\nsay \"x\"\n\\n\n\n\\" ;
        }
        :list_box {
            key        = "files\\" ;
            label      = "Files" ;
            width      = 56.0 ;
            height     =  4.0 ;
            is_tab_stop = false ;
            list     = "one\\\n\"two\"" ;
        }
        : image {
            key        = "img\\" ;
            width      = 56.0 ;
            height     =  4.0 ;
            color     = black ;
            alignment     = left ;
            is_tab_stop = false ;
        }
        : boxed_radio_column {
            key        = "mode\\" ;
            label      = "Mode \\ \"m\"" ;
            alignment     = left ;
            width      = 56.0 ;
            height     =  4.0 ;
            children_alignment = left ;
            : radio_button {
                key        = "a\\" ;
                label      = "A\\" ;
                width      = 55.4 ;
                height     =  1.4 ;
            }
        }
ok_cancel_help;
}
